#pragma once
// A text pane for the search rules without a window: plain text, a selection,
// and the colours given to selections, in order.
#include <QList>
#include <QPair>

#include "editor/search_pane.h"

class TestPane : public search::Pane {
public:
    explicit TestPane(QString t) : text_(std::move(t)) {}
    QString text() const override { return text_; }
    qint32 selStart() const override { return start_; }
    qint32 selLength() const override { return length_; }
    void select(qint32 start, qint32 length) override {
        start_ = start;
        length_ = length;
    }
    void colourSelection(colour::Rgb c) override { colours.append({start_, c}); }
    void replaceSelection(const QString& with) override {
        text_.replace(start_, length_, with);
        length_ = 0;
        start_ += qint32(with.size());
    }
    QList<QPair<qint32, colour::Rgb>> colours;  // selection start, colour

private:
    QString text_;
    qint32 start_ = 0, length_ = 0;
};
