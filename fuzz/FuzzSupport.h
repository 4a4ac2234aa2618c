// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the fuzz targets: a Qt application (offscreen), the constant tables and a
// private program directory in /tmp for readers that open files by name.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Call once from LLVMFuzzerInitialize (gui: a QGuiApplication instead of a QCoreApplication).
void FuzzInit(bool gui);
// The private program directory, ending in '/'; Exe_Dir points at it.
QString FuzzDir();
QByteArray FuzzBytes(const uint8_t* data, size_t size);
// Writes the bytes into the program directory under name; returns the full path.
QString WriteFuzzFile(const QString& name, const QByteArray& bytes);
