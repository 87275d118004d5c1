// The root of every component interface: two slots, AddRef then Release.
// Interface tables hold nothing else (no destructor, no query slot): a
// component is never deleted by its user and never asked for another
// interface.
#ifndef TARNWICK_INTERFACES_COMPONENT_INTERFACE_H
#define TARNWICK_INTERFACES_COMPONENT_INTERFACE_H

class ComponentInterface {
public:
    virtual void AddRef() = 0;   // slot 0
    virtual void Release() = 0;  // slot 1
};

// The one export of every component library. Its exported name is the
// platform's decoration of this declaration (see framework/create_instance.h).
void* CreateInstance(const char* name, unsigned long version, void* outer);

#endif
