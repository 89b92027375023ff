#pragma once
// How the value list shows a value's type and data.
#include <windows.h>

#include <string>

#include "Registry.h"

namespace standin {

std::wstring TypeText(DWORD type);
std::wstring DataText(const RegistryValue& value);

}  // namespace standin
