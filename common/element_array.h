// A growable array of fixed-size elements held as raw bytes. It grows in
// steps of 8 elements, one element early (when at most one element of room
// is left), and its storage belongs to the module that holds the array.
#ifndef TARNWICK_COMMON_ELEMENT_ARRAY_H
#define TARNWICK_COMMON_ELEMENT_ARRAY_H

class ElementArray {
public:
    ElementArray() = default;
    explicit ElementArray(int elementSize);
    ~ElementArray();

    // Sets the element size (at least 1); called while the array is empty.
    void SetElementSize(int size);
    // Copies one element to the end, growing first when needed; when the
    // storage cannot grow nothing is appended.
    void Append(const void* element);
    void RemoveAt(int index);
    // Storage for exactly `elements`; 0 or less frees it. Returns 0 (nothing
    // changed) when memory runs out, else 1.
    int Resize(int elements);

    int GetCount() const { return count_; }
    int GetCapacity() const { return capacity_; }
    int GetElementSize() const { return elementSize_; }
    void* GetData() const { return data_; }
    void* GetAt(int index) const;

private:
    ElementArray(const ElementArray&) = delete;
    ElementArray& operator=(const ElementArray&) = delete;

    unsigned char* data_ = nullptr;
    int capacity_ = 0;
    int elementSize_ = 1;
    int count_ = 0;
};

#endif
