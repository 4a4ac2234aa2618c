// SPDX-License-Identifier: GPL-3.0-or-later
// Zinnia's Japanese model cut down to the characters the pad can offer: a third of the size to
// map and a third of the work per character. Zinnia's binary model is a header (a check word
// that is the file size mixed with a fixed id, a version, a count) and per character its name
// in 16 bytes, a bias and its weights as (index, value) pairs ending at index -1.
#pragma once

#include <QString>
#include <QStringList>

// False when the source is not such a model or the result cannot be written; `kept` counts the
// characters written.
bool ReduceZinniaModel(const QString& source, const QString& target, const QStringList& keep,
                       int* kept = nullptr);
