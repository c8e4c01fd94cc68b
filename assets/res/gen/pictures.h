#pragma once

#include <QString>

class Words;

// Writes every picture of res/ into out_dir: per language a folder with the
// splash pictures, <Language>com.bmp and <Language>Enlarge.bmp; the two logos.
// False (with a message on stderr) when a file cannot be written.
bool WritePictures(const Words& words, const QString& out_dir);
