#include "component_vector.h"

void ComponentVector::Add(ComponentInterface* const* element) {
    if (element == nullptr) return;
    elements_.Append(element);
}

ComponentInterface** ComponentVector::GetAt(int index) {
    return static_cast<ComponentInterface**>(elements_.GetAt(index));
}

ComponentInterface** ComponentVector::GetData() {
    return static_cast<ComponentInterface**>(elements_.GetData());
}

ComponentVector::~ComponentVector() {
    for (int i = 0; i < elements_.GetCount(); ++i) (*GetAt(i))->Release();
}
