#pragma once

#include <QString>
#include <QTemporaryDir>

namespace corruptTest {

// A private copy of one exercise's generated material folder ("係数"), for a
// test to spoil and to mend again. base() is the basePath to give the program.
class MaterialCopy {
public:
    explicit MaterialCopy(const QString& folder);

    QString base() const { return dir_.path(); }
    // A material path ("\係数\座標.dat") as a file of this copy.
    QString path(const QString& file) const;
    // The same file as the build generated it.
    static QString original(const QString& file);
    // Puts the generated file back, whatever the test left in its place.
    bool restore(const QString& file) const;

private:
    QTemporaryDir dir_;
};

} // namespace corruptTest
