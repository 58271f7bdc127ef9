#pragma once

#include "CImageFilters.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>
#include <vector>

// Shared helpers of the filter tests: generated fixtures, the command-line
// tool as a reference, and pixel comparisons in the 8-bit domain.
namespace FilterTestKit {

// Writes a w x h 8-bit RGB PNG with smooth gradients and hard edges.
QString MakePatternPng(const QString& folder, const QString& name, int width = 40, int height = 30);
// Writes a w x h PNG of one colour (#rrggbb).
QString MakeFlatPng(const QString& folder, const QString& name, const QString& colour, int width = 8,
                    int height = 8);

Magick::Image Load(const QString& path);
QSize SizeOf(const Magick::Image& image);

// Runs the command-line tool with the arguments; true when it exits with 0.
bool RunConvert(const QStringList& arguments, QString* errorText = nullptr);

// RGBA bytes of an image, 8 bits per channel.
std::vector<unsigned char> Rgba8(const Magick::Image& image);

// Largest channel difference in 8-bit levels; -1 when the sizes differ.
int MaxDifference8(const Magick::Image& a, const Magick::Image& b);

SFilterRecord Record(quint32 id, const QList<double>& params = {});

// Applies one record to the image through a fresh engine.
bool ApplyRecord(Magick::Image& image, const SFilterRecord& record);

// The record with the given parameters (index, value) set.
SFilterRecord WithParams(SFilterRecord record, std::initializer_list<std::pair<int, double>> params);

// Formats a double for command-line arguments without losing precision.
QString Num(double value);

} // namespace FilterTestKit
