#pragma once
// The system's boxes as real Qt dialogs: QMessageBox, QInputDialog at a screen
// position, QFileDialog with the "a|*.x|" filter pairs.
#include <QPointer>
#include <QWidget>
#include "platform/dialogs.h"

class QtDialogs : public Dialogs {
public:
    // title: the caption of message boxes (the application's title).
    explicit QtDialogs(QWidget* parent = nullptr, const QString& title = QStringLiteral("tssnc"));

    void message(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultAnswer,
                  double x, double y) override;
    FileChoice openFile(const QString& initialDir, const QString& filter,
                        const QString& title) override;
    FileChoice saveFile(const QString& initialDir, const QString& filter, const QString& title,
                        const QString& proposedName) override;

    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parentWidget() const;
    QPointer<QWidget> parent_;
    QString title_;
};
