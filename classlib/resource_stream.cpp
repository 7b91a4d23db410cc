#include "resource_stream.h"

#include "exceptions.h"
#include "text.h"

#include <windows.h>

// Resources of a loaded module need no release: LoadResource only hands out a
// pointer into the mapped image, which lives as long as the process.
TResourceStream::TResourceStream(const std::string& resourceName, const std::string& resourceType) {
    const std::wstring name = WideFromText(resourceName);
    const std::wstring type = WideFromText(resourceType);
    HRSRC resource = FindResourceW(nullptr, name.c_str(), type.c_str());
    if (!resource) throw EResNotFound(resourceName);
    HGLOBAL data = LoadResource(nullptr, resource);
    if (!data) throw EResNotFound(resourceName);
    size_ = SizeofResource(nullptr, resource);
    memory_ = static_cast<const std::byte*>(LockResource(data));
    if (!memory_) throw EResNotFound(resourceName);
}
