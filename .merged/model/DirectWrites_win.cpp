#include "model/DirectWrites.h"

// Windows writes every file through its cache.
std::unique_ptr<CDirectWrites> StartDirectWrites(std::FILE*)
{
    return nullptr;
}
