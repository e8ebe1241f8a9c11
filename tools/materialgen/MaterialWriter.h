#pragma once

#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

// Writes the generated material into the output root, under the same
// backslash paths the program reads ("\化学式\画像\g(1).gif"), creating
// folders as needed. Files and folders are readable by every user (0644 and
// 0755): the program may run under another account than the one that built
// it. Failures are collected, not thrown, so one run reports all of them.
class MaterialWriter {
public:
    MaterialWriter(QString sourceRoot, QString outputRoot);

    // A picture of the given size drawn by `paint` at scale 1.
    void picture(const QString& relativePath, QSize size,
                 const std::function<void(QPainter&)>& paint);
    // The same, drawn on black, reduced to its ink and a transparent black
    // (no half-transparent edges): for pictures that lie over coloured fills,
    // such as glyphs over a marked answer row.
    void keyedPicture(const QString& relativePath, QSize size,
                      const std::function<void(QPainter&)>& paint);
    // A data file, encoded as CP932 with CR LF line ends.
    void dataFile(const QString& relativePath, const QString& text);
    // A source file of material/, read as UTF-8.
    QString source(const QString& name);

    void fail(const QString& what) { errors_ << what; }
    const QStringList& errors() const { return errors_; }

private:
    bool makeFolders(const QString& relativePath);
    void writeFile(const QString& relativePath, const QByteArray& bytes);

    QString sourceRoot_;
    QString outputRoot_;
    QStringList errors_;
    QSet<QString> readyFolders_; // made and opened to all in this run
};
