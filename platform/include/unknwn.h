// COM-style objects: an interface is an abstract class whose lifetime is counted by
// AddRef and Release; Release to zero frees the object.
#pragma once

#include "windows.h"

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;

namespace com {

// Implements the IUnknown part of an interface. The object starts with one reference,
// the one its creator hands out.
template <class Interface>
class RefCounted : public Interface {
public:
    HRESULT QueryInterface(REFIID, void** object) override
    {
        if (object) *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override
    {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

private:
    ULONG refs_ = 1;
};

}  // namespace com
