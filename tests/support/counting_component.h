// A counting double: a component that records every AddRef and Release it
// receives, and whether (and in which order) it was destroyed.
#ifndef TARNWICK_TESTS_COUNTING_COMPONENT_H
#define TARNWICK_TESTS_COUNTING_COMPONENT_H

#include <string>
#include <vector>

#include "component_interface.h"

class CountingComponent : public ComponentInterface {
public:
    explicit CountingComponent(std::vector<std::string>* releaseLog = nullptr, std::string name = "")
        : releaseLog_(releaseLog), name_(std::move(name)) {}

    void AddRef() override { ++addRefs; }
    void Release() override {
        ++releases;
        if (releaseLog_ != nullptr) releaseLog_->push_back(name_);
    }

    // References taken on this object that have not been given back.
    int Outstanding() const { return addRefs - releases; }

    int addRefs = 0;
    int releases = 0;

private:
    std::vector<std::string>* releaseLog_;
    std::string name_;
};

#endif
