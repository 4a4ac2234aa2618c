// SPDX-License-Identifier: GPL-3.0-or-later
// Zinnia reads its model trusting every count and offset in it; a damaged file can send it
// reading past the end. The model's whole structure is walked here first.
#pragma once

#include <QByteArray>

// True when the bytes are a complete zinnia model whose every entry lies inside the file.
bool CheckZinniaModel(const QByteArray& bytes);
