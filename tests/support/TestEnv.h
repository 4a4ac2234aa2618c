// SPDX-License-Identifier: GPL-3.0-or-later
// Common set-up for tests: a fresh program directory in a temporary folder, recording message
// boxes and media players, a fixed clock and seed, and an ending that is recorded instead of
// quitting.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class TestEnv {
public:
    // copyProgramFiles: copy the built program directory's data and media files in.
    explicit TestEnv(bool copyProgramFiles = false);
    ~TestEnv();

    QString dir() const;                 // the program directory, ending in '/'
    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    void removeFile(const QString& name) const;

    // The program directory the build laid out (data, media).
    static QString builtProgramDir();

private:
    std::unique_ptr<QTemporaryDir> tmp_;
};
