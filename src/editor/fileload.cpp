#include "editor/fileload.h"

#include <algorithm>

#include "drawing/number_text.h"
#include "editor/listing_rows.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace {

// Codes that never read the file first.
bool readsFirst(int code) {
    return code != Fileload::kWorkFile && code != Fileload::kReadoutChanged &&
           code != Fileload::kWriteMarked && code != Fileload::kRestore;
}

}  // namespace

void Fileload::run(int code) {
    bool didRead = false;
    if (code < 0 || (readsFirst(code) && !store_.isRead())) {
        // No file chosen yet (the first file dialog was cancelled): nothing to
        // read and nothing to report; the window stays empty.
        if (w_.currentFilePath().isEmpty()) return;
        readFile();
        didRead = true;
    }
    const int count = store_.programCount();
    if (code < 0) {
        // read above
    } else if (code == kClear) {
        if (!didRead) clearAll();
    } else if (code <= count) {
        showEntry(code, false);
    } else if (code >= kSectionBase && code < kSectionBase + store::kButtonCount) {
        showSection(code - kSectionBase, false);
    } else if (code > kToggleBase && code <= kToggleBase + count) {
        showEntry(code - kToggleBase, w_.combineMode());
    } else if (code == kWorkFile) {
        QString error;
        if (!store_.writeWorkFile(w_.programLabel(), w_.workFilePath(), &error))
            w_.listingDialogs().message(error);
    } else if (code == kReadoutChanged) {
        showSection(-1, true);
    } else if (code == kUnmarkAll) {
        store_.unmarkAll();
        showEntry(1, false);
    } else if (code == kMarkAll) {
        store_.markAll();
        showEntry(1, false);
    } else if (code == kWriteMarked) {
        // The free area in the edit screen is written as it stands there.
        if (store_.isFreeArea(lastShown_)) store_.setFreeAreaText(w_.editText());
        w_.writeCombinedOutput(store_.markedText());
    } else if (code == kRestore) {
        w_.setCurrentProgram(lastShown_);
        w_.setCombineMode(store_.anyMarked());
    }
    lastShown_ = w_.currentProgram();
}

void Fileload::readFile() {
    using S = store::ProgramStore::ReadStatus;
    // The file is read aside first: a file that is refused (beyond a bound) or
    // cannot be read must not take the place of the file on the screens.
    store::ProgramStore fresh;
    const auto outcome = fresh.read(w_.currentFilePath());
    const bool rejected = outcome.status == S::Refused || outcome.status == S::CannotOpen;
    lastReadRejected_ = rejected;
    previousKept_ = rejected && store_.isRead();
    if (previousKept_) {
        // The file read before stays, with its listing, sections, marks and
        // screens, untouched.
        w_.listingDialogs().message(outcome.message);
        return;
    }

    w_.setReadoutSaveEnabled(false);
    referenceLength_ = -1;
    readoutEdited_ = false;
    lastShown_ = 0;
    w_.setCurrentProgram(1);
    w_.setSectionButtonCaption(0, nt::str(1));
    clearListing();
    w_.setReadoutText(QString(), colour::kRed);

    store_ = std::move(fresh);
    if (outcome.status == S::Read) {
        // Buttons without a program number are hidden (the others keep the
        // visibility of the layout they stand in).
        for (int k = 0; k < store::kButtonCount; ++k) {
            const QString caption = store_.buttonCaption(k);
            w_.setSectionButtonCaption(k, caption);
            if (caption.isEmpty()) w_.setSectionButtonVisible(k, false);
        }
        w_.setReadoutText(store_.readoutText(), colour::kBlack);
        // The read-out as built: typing in it is noticed from now on, even when
        // the first section is not shown next (a read from the edit layout).
        referenceLength_ = w_.readoutText().size();
    } else {
        // No program, or a first file refused: no listing, no sections; the
        // header (if any) in red as it was read.
        for (int k = 0; k < store::kButtonCount; ++k) {
            w_.setSectionButtonCaption(k, QString());
            w_.setSectionButtonVisible(k, false);
        }
        w_.setReadoutText(store_.headerText(), colour::kRed);
        w_.listingDialogs().message(outcome.message);
    }
    w_.setProgramCount(store_.programCount());
    w_.setCurrentProgram(0);
}

void Fileload::clearAll() {
    store_.clear();
    // Buttons 0..17 lose their captions and are shown (as the window is laid out).
    for (int k = 0; k < store::kButtonCount - 1; ++k) {
        w_.setSectionButtonCaption(k, QString());
        w_.setSectionButtonVisible(k, true);
    }
    w_.setCombineMode(false);
    clearListing();
    w_.setEditText(QStringLiteral(" "), w_.editTextColour());
    w_.setProgramLabel(QString());
    w_.setProgramCount(0);
    referenceLength_ = -1;
    readoutEdited_ = false;
}

void Fileload::showSection(int k, bool checkOnly) {
    const QString current = w_.readoutText();
    if (!current.isEmpty() && referenceLength_ >= 0 && current.size() != referenceLength_) {
        w_.setReadoutChangedTag();
        w_.setReadoutSaveEnabled(true);
        readoutEdited_ = true;
    }
    if (checkOnly) return;
    if (w_.screenMode() == ScreenMode::Edit) return;
    // An edited read-out is kept as the operator left it (rebuilding it would
    // throw the edits away before they can be saved); only the scroll moves.
    if (!readoutEdited_) w_.setReadoutText(store_.readoutText(), colour::kBlack);
    const QString head = store_.sectionText(k).left(30);
    if (!head.isEmpty()) w_.scrollReadoutTo(head);
    if (k == 0 && !readoutEdited_) referenceLength_ = w_.readoutText().size();
}

void Fileload::clearListing() {
    Surface& s = w_.listingSurface();
    s.fill(listing::kAreaLeft, listing::kAreaTop, listing::kAreaRight, listing::kAreaBottom,
           colour::kButtonFace);
    // Rows of a long listing run below the area (the second column's rows
    // from entry 114 on, 126 on a low window); they are wiped as well, or the marks of one painting
    // would stay under those of the next.
    if (paintedBottom_ > listing::kAreaBottom)
        s.fill(listing::kAreaLeft, listing::kAreaBottom, listing::kAreaRight, paintedBottom_,
               colour::kButtonFace);
    paintedBottom_ = 0;
}

void Fileload::paintListing(int current, bool markToggle) {
    Surface& s = w_.listingSurface();
    clearListing();
    const listing::Geometry g = listing::geometryFor(s.height());
    painted_ = g;
    for (const listing::Row& r : listing::rows(store_, current, markToggle, g)) {
        s.fittedText(r.x, r.y, g.textSize, r.colour, r.text, r.maxWidth);
        paintedBottom_ = std::max(paintedBottom_, r.y + g.rowHeight);
    }
}

void Fileload::showEntry(int n, bool markToggle) {
    if (!store_.isEntry(n)) return;
    const QString kept = w_.editText();
    const bool skip = w_.skipSaveFlag() == 1;
    if (!skip) {
        // A mark toggle replaces the edit screen as well: the save is offered
        // for it too.  An edit the operator keeps stops the move.
        if (!w_.offerSave()) return;
        if (store_.isFreeArea(lastShown_)) store_.setFreeAreaText(kept);
        if (!markToggle) w_.setEditText(QString(), w_.editTextColour());
    }
    if (markToggle) store_.toggleMark(n);
    paintListing(n, markToggle);
    w_.setCurrentProgram(n);

    if (skip) {
        if (w_.screenMode() == ScreenMode::ListingEntered) return;
        w_.setEditText(kept, w_.editTextColour());
        return;
    }

    if (store_.isFreeArea(n)) {
        if (store_.freeAreaText().isEmpty()) store_.setFreeAreaText(store::defaultFreeAreaText());
        w_.forgetSearchPosition();
        w_.setProgramLabel(listing::programLabel(n, store::kFreeAreaName));
        w_.setEditText(store_.freeAreaText(), colour::kYellow);
    } else {
        w_.setEditText(store_.entryText(n), w_.editTextColour());
        w_.forgetSearchPosition();
        if (!markToggle) w_.setProgramLabel(listing::programLabel(n, store_.entryFirstLine(n)));
    }
    w_.showEditScreen();
}

void Fileload::listingKey(int keyCode) {
    const auto r = listing::keyAction(w_.currentProgram(), keyCode, store_.programCount());
    switch (r.action) {
    case listing::KeyAction::Move:
        w_.setSkipSaveFlag(0);
        run(r.entry + (w_.combineMode() ? kToggleBase : 0));
        break;
    case listing::KeyAction::ToggleCombine: w_.toggleCombineMode(); break;
    case listing::KeyAction::MarkAll: run(kMarkAll); break;
    case listing::KeyAction::UnmarkAll: run(kUnmarkAll); break;
    case listing::KeyAction::HideWindow:
        w_.leaveToMenu();
        run(w_.currentProgram());
        break;
    case listing::KeyAction::None: break;
    }
    w_.refreshListingKeyCatcher();
}

void Fileload::keyCatcherPress(double x) {
    const auto a = listing::text2PressAction(x);
    if (a == listing::KeyAction::MarkAll) run(kMarkAll);
    else if (a == listing::KeyAction::UnmarkAll) run(kUnmarkAll);
}

void Fileload::listingPress(int button, double x, double y) {
    if (!listing::isListingPress(x, y)) return;
    w_.setSkipSaveFlag(0);
    const int entry = listing::entryAt(x, y, store_.programCount(), painted_);
    if (entry == 0) return;
    run(entry + ((button == 2 && w_.combineMode()) ? kToggleBase : 0));
}
