#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

// The text of a settings file: the INI dialect QSettings reads and writes,
// so files written by earlier versions (through QSettings) read back, and
// the files written here open in any tool that reads that dialect.
//
// A key is its section path and name joined by "/" ("a/b/key"); the first
// part is the INI section, the rest is written with "\" in the key. Values
// are text only. Keys and values round-trip exactly, whatever characters
// they hold.
namespace settings::ini {

using Entries = QMap<QString, QString>;

// Reads a whole file. Lines that are no entry are passed over; a value that
// QSettings would read as a list keeps its commas as text; "@Invalid()"
// counts as no value.
Entries Parse(QByteArrayView data);

// The whole file for these entries, sections in key order.
QByteArray Serialize(const Entries& entries);

} // namespace settings::ini
