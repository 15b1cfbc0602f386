// "Release" as the game means it: release the object if there is one, and forget it.
#pragma once

template <class T>
void Release(T*& object)
{
    if (object) {
        object->Release();
        object = nullptr;
    }
}
