#pragma once

#include <QString>

// Program folder and path helpers. The old program wrote paths with "\";
// these helpers accept "\" and "/" alike as separators and always produce "/".
namespace os {

// The program folder: DUZEDIV_APP_PATH when set, else the folder of the
// executable. No trailing separator.
QString AppPath();

// "\" -> "/".
QString NormalizeSeparators(const QString& path);

// folder + "/" + name, with no doubled separator; either part may be empty.
QString JoinPath(const QString& folder, const QString& name);

// Everything before the last separator ("" when there is none) and
// everything after it.
QString FolderOf(const QString& path);
QString FileNameOf(const QString& path);

// Finds an existing file or folder whose relative path `name` ("a/b.txt" or
// "a\b.txt") matches case-insensitively, component by component, inside
// `folder`. An exact match wins over a case-insensitive one. Returns the path
// as it exists on disk, or "" when there is none.
QString FindFileCaseInsensitive(const QString& folder, const QString& name);

// Path of `name` in the program folder: the existing file when one matches
// case-insensitively, else JoinPath(AppPath(), name) (for files to create).
QString AppFile(const QString& name);

} // namespace os
