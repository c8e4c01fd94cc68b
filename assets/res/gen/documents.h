#pragma once

#include <QString>

// Writes the help documents: for every <Language>/<Name>.md under src_dir,
// out_dir/<Language><Name>.pdf. False when one cannot be read or written.
bool WriteDocuments(const QString& src_dir, const QString& out_dir);
