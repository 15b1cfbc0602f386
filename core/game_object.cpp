#include "core/game_object.h"

#include <cstring>

GameObject::GameObject() : pos(), rot(), scale(), sphere()
{
    // Every field zero, scale and colour included: an object never loaded keeps them so.
    std::memset(static_cast<void*>(this), 0, sizeof(GameObject));
}
