#pragma once

#include <QString>

namespace os {

// True when the file exists and its owner may not write it.
bool IsReadOnly(const QString& path);

// Makes an existing read-only file writable by its owner (the old program's
// "attributes to normal"). A missing file is passed over. Returns false only
// when the file exists and stays read-only.
bool ClearReadOnly(const QString& path);

} // namespace os
