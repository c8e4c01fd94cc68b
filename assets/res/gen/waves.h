#pragma once

#include <QImage>
#include <QString>

// Waveforms of whole tests as the station plots them, for the help documents:
// "good" (steady swings, even sensor), "bad" (steady swings, jumpy sensor),
// "pause" (the hand stopped), "slow" (swings too small and too few).
// Returns a null image for an unknown kind.
QImage WavePicture(const QString& kind, int width, int height);

// Movement counts of one timeline entry for a kind; 0 for an empty entry.
int WaveSample(const QString& kind, int entry);
