#pragma once
// Every test gets its own program directory ($TSSNC_HOME) and serial ports that
// map to paths that do not exist, so tests run side by side and never touch a
// real port.
#include <QString>
#include <QTemporaryDir>
#include <memory>

class TempHome {
public:
    TempHome();   // creates the folder and points TSSNC_HOME at it
    ~TempHome();  // restores the previous TSSNC_HOME
    QString path() const { return dir_->path(); }
    QString file(const QString& name) const;
    // Writes bytes to a file below the home (folders created as needed).
    QString write(const QString& relPath, const QByteArray& bytes) const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

// Reads a whole file (empty when missing).
QByteArray readFileBytes(const QString& path);
// Writes a whole file (its folder must exist); returns the path.
QString writeFileBytes(const QString& path, const QByteArray& bytes);
// The source tree's folder (samples/, tests/data/).
QString sourcePath(const QString& rel);
