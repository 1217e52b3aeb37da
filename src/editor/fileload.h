#pragma once
// fileload: the one door to the program store.  Command codes:
//   < 0        read the file at the current file path (forgetting the last one)
//   0          clear everything (read flag 0)
//   1..count   show listing entry n and repaint the listing
//   1000..1018 show read-out section code - 1000
//   2000 + n   toggle the combine mark of entry n (combine mode on) and show it
//   7200       write the program named by Label1 to the work file
//   9994       note a change of the read-out text
//   9996/9997  unmark / mark all, then show entry 1
//   9998       write the marked entries to the combined output
//   9999       back to the last entry shown; combine indicator from the marks
// Every code but 7200, 9994, 9998 and 9999 reads the file first when it has
// not been read.  QtCore only: the window hands itself in as a ListingWindow.
#include <QString>

#include "editor/listing_rows.h"
#include "editor/listing_window.h"
#include "editor/program_store.h"

class Fileload {
public:
    static constexpr int kReadCode = -1;
    static constexpr int kClear = 0;
    static constexpr int kSectionBase = 1000;
    static constexpr int kToggleBase = 2000;
    static constexpr int kWorkFile = 7200;
    static constexpr int kReadoutChanged = 9994;
    static constexpr int kUnmarkAll = 9996;
    static constexpr int kMarkAll = 9997;
    static constexpr int kWriteMarked = 9998;
    static constexpr int kRestore = 9999;

    explicit Fileload(ListingWindow& w) : w_(w) {}

    void run(int code);

    // Keys of Text2, a press in Text2, a press on the painted listing.
    void listingKey(int keyCode);
    void keyCatcherPress(double x);
    void listingPress(int button, double x, double y);

    const store::ProgramStore& programStore() const { return store_; }
    store::ProgramStore& programStore() { return store_; }
    int lastShown() const { return lastShown_; }
    // The last read refused its file (beyond a bound) or could not read it;
    // previousKept(): the file read before it is still the one in the store
    // and on the screens.  Without a file before, the store is left read and
    // empty, so that the codes that follow do not try the file again.
    bool lastReadRejected() const { return lastReadRejected_; }
    bool previousKept() const { return previousKept_; }
    double referenceLength() const { return referenceLength_; }

    // Paints the listing with `current` marked as the current entry.
    void paintListing(int current, bool markToggle);

private:
    // Wipes the listing area and whatever rows were painted below it.
    void clearListing();
    void readFile();
    void clearAll();
    void showSection(int k, bool checkOnly);
    void showEntry(int n, bool markToggle);

    ListingWindow& w_;
    store::ProgramStore store_;
    int lastShown_ = 0;
    double referenceLength_ = -1;
    bool readoutEdited_ = false;
    bool lastReadRejected_ = false;
    bool previousKept_ = false;
    double paintedBottom_ = 0;  // lowest row edge painted since the last wipe (twips)
    // Row spacing of the last painting: a press picks from the rows it sees.
    listing::Geometry painted_ = listing::kRoomyRows;
};
