#pragma once
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "clock/time_control.h"
#include "opponent/opponent.h"

namespace xantu {

// The one boundary between the game and the desktop. The Qt front end
// implements it; tests implement it with a recording fake. Positions are in
// twips (15 twips = 1 pixel at 100 %), colours are indices of the standard
// 16-colour palette.

// A point in twips.
struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// Something shown over the drawing without becoming part of it: whatever the
// game draws or erases leaves it alone, and it stays until the next setMarks.
struct Mark {
    enum class Kind {
        Square,  // an outline inside the box (a square of the last move)
        Badge,   // a filled box with `text` centred in it (whose turn it is)
        Line,    // lines through `points`, `pen` twips wide; with `filled`, the polygon they enclose (an arrow)
    };
    Kind kind = Kind::Square;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int colour = 0;
    std::string text;
    // A Square's outline lies this many pixels (at 100 %) inside the box;
    // 0 puts it on the box's edge.
    int inset = 3;
    // A Line's points (the box is not used), its width and whether it is filled.
    std::vector<Point> points{};
    double pen = 15;
    bool filled = false;
};

// The pictures that fill the window around the drawn area when the window is
// not of the area's shape: a grid of cells of cellWidth × cellHeight twips
// whose cell (0, 0) has its top-left corner at (originX, originY); cell (i, j)
// shows codes[(i + j + phase) mod codes.size()], painted left to right, top to
// bottom, so that pictures wider than a cell overlap as on the drawn area.
struct Surround {
    double originX = 0, originY = 0, cellWidth = 495, cellHeight = 615;
    std::vector<int> codes;
    int phase = 0;
};

// Message-box buttons and results.
enum class MsgButtons { Ok, YesNo };

// What the 新規対局 dialog asks. Each setting of a new game is one field with
// its value as the dialog opens; later settings of a new game go here too.
struct NewGameChoice {
    bool vsComputer = true;  // false: two humans on one board
    int humanOrder = 1;      // the bottom player's order: +1 先手, −1 後手
    Opponent opponent{};     // the computer: a built-in level 1..4 or a registered engine
    int handicap = 0;        // the handicap ladder's level, −10..+10 (0: none)
    TimeControls time{};     // each side's clock (none: the clocks count up)
    bool operator==(const NewGameChoice&) const = default;
};
// The dialog's texts that the game owns: the handicap ranks by name, from
// ladder level −10 (first) to +10 (last), and the names of the outside
// engines registered, which the dialog offers after the built-in levels.
struct NewGameRequest {
    NewGameChoice initial;
    std::vector<std::string> handicapNames;
    std::vector<std::string> engineNames;
};

// The two uses of the file chooser.
enum class FileChoice { Open, Save };
// The kinds of game record the file chooser offers.
enum class RecordFormat { Kif, Csa };

// What the file chooser is asked for.
struct FileRequest {
    FileChoice kind = FileChoice::Open;
    std::string title;
    std::string suggestedName;  // for Save: the name offered
    std::string folder;         // the folder it opens in; empty: the current folder
    RecordFormat format = RecordFormat::Kif;
};

// A picture of a Position to be saved or printed: drawn as in a book
// (black on white, kanji pieces) or as the game draws its board.
enum class DiagramStyle { Book, Screen };

struct DiagramRequest {
    // The Position as SFEN, seen from 先手's seat (as the SFEN copy writes it).
    std::string sfen;
    // The square the last move went to, as its file 1..9 and rank 1..9
    // (７六 is file 7, rank 6); 0: no square is marked.
    int lastFile = 0, lastRank = 0;
    // How many moves lead to the Position, shown under it (0: not shown).
    int moveNumber = 0;
    std::string caption;  // the player's own words under it (empty: none)
    // Saving offers this style first; printing always draws the book style.
    DiagramStyle style = DiagramStyle::Book;
    int backgroundTheme = 6;    // the screen style's background theme (6 ペカナ, 2..5 the others)
    std::string title;          // the dialog's caption
    std::string suggestedName;  // for saving: the name offered
    std::string folder;         // for saving: the folder it opens in; empty: the current folder
};

enum class DiagramOutcome { Cancelled, Done, Failed };
struct DiagramResult {
    DiagramOutcome outcome = DiagramOutcome::Cancelled;
    std::string path;       // the file written (saving)
    std::error_code error;  // why it failed, where the system said
};

inline constexpr int kMsgOk = 1;
inline constexpr int kMsgYes = 6;
inline constexpr int kMsgNo = 7;

class Canvas {
public:
    virtual ~Canvas() = default;
    // Paints picture `code` (a piece code, 0 = empty square, or a background
    // code 1..9) with its top-left corner at (x, y), at its own size.
    virtual void paintPicture(int code, double x, double y) = 0;
    // An unfilled box from (x1, y1) to (x2, y2). Its lines are `pen` twips
    // wide: the line through each corner and, for a wider pen, the rest on
    // the inner side. A box drawn again over the same corners replaces the
    // earlier one, so a narrower box erases a wider one completely.
    virtual void drawBox(int colour, double x1, double y1, double x2, double y2, double pen) = 0;
    // Lines through the points in order, `pen` twips wide (a graph, an
    // arrow's shaft); with `filled`, the polygon the points enclose, filled
    // and outlined in the colour (an arrow's head). Like everything drawn,
    // it stays until drawn over.
    virtual void drawPolyline(int colour, const std::vector<Point>& points, double pen, bool filled) = 0;
    // Text with its top-left corner at (x, y), in the window's Mincho face.
    virtual void printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) = 0;
    // Clears everything drawn to the colour.
    virtual void setBackColour(int colour) = 0;
    // The area the game draws in, from (0, 0), in twips. The window shows it
    // whole at the largest scale that fits, centred; drawing outside it is cut.
    virtual void setArea(double width, double height) = 0;
    virtual void setSurround(const Surround& surround) = 0;
    virtual void setMarks(const std::vector<Mark>& marks) = 0;
    // Shows what was drawn now, even in the middle of a long event.
    virtual void refresh() = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal box; returns kMsgOk, kMsgYes or kMsgNo. Text lines are separated by "\r".
    virtual int messageBox(const std::string& text, const std::string& title, MsgButtons buttons, bool exclamation) = 0;
    // Modal file chooser for game records, KIF (*.kif, *.kifu) or CSA
    // (*.csa): opening an existing file or naming one to write. Returns the
    // chosen path, or an empty text when the user cancelled.
    virtual std::string chooseFile(const FileRequest& /*request*/) { return {}; }
    // Modal 新規対局 dialog: the choice on OK, no value when cancelled.
    virtual std::optional<NewGameChoice> chooseNewGame(const NewGameRequest& /*request*/) { return std::nullopt; }
    // Modal 持ち時間 dialog: each side's time control, shown as `controls`
    // holds them. True with the new values on OK; false, `controls`
    // untouched, on cancel.
    virtual bool chooseTimeControls(TimeControls& /*controls*/) { return false; }
    // Modal file chooser for a diagram of the Position (a PNG or an SVG
    // picture, in either style), which is then written whole or not at all.
    virtual DiagramResult saveDiagram(const DiagramRequest& /*request*/) { return {}; }
    // Modal print dialog; prints the book-style diagram on one page.
    virtual DiagramResult printDiagram(const DiagramRequest& /*request*/) { return {}; }
};

// The desktop's clipboard, as text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The text it holds (UTF-8), empty when it holds none.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

class Menus {
public:
    virtual ~Menus() = default;
    // Items by their names (LEVEL1, MIDORI, SIDOU, KEIKA, BGM, ...).
    virtual bool checked(const std::string& item) const = 0;
    virtual void setChecked(const std::string& item, bool on) = 0;
};

class TimerClock {
public:
    virtual ~TimerClock() = default;
    virtual void setTimerEnabled(bool on) = 0;  // Timer1, 50 ms
    virtual bool timerEnabled() const = 0;
    // Time of day in seconds since midnight, with fractions.
    virtual double now() const = 0;
    // Waits for the given seconds, keeping the window painted. User input
    // that arrives meanwhile is thrown away, never delivered afterwards.
    virtual void wait(double seconds) = 0;
    // Local date and time as "YYYY/MM/DD hh:mm:ss" (a game record's start).
    virtual std::string localDateTime() const {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        char text[32] = {};
        if (localtime_r(&t, &local) != nullptr) std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
        return text;
    }
};

// The record-file panel over the board.
class FilePanel {
public:
    virtual ~FilePanel() = default;
    virtual void setListsVisible(bool drive, bool folder, bool files) = 0;
    virtual void setIoVisible(bool on) = 0;  // the four labelled boxes and RETURN
    virtual std::string folder() const = 0;
    // Shows `path` in the folder and file lists; a folder that is gone or
    // cannot be read leaves the panel where it was.
    virtual void openFolder(const std::string& path) = 0;
    virtual std::string text(int box) const = 0;  // box 1..4 = Text1..Text4
    virtual void setText(int box, const std::string& s) = 0;
    virtual void refreshFiles() = 0;
};

// The seven functions of the sound library.
class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;
    virtual std::int32_t dsInitialize(std::intptr_t window) = 0;
    virtual std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* wav, std::int32_t flag) = 0;
    virtual void dsPlay(std::int32_t buffer) = 0;
    virtual void dsPlayLooping(std::int32_t buffer) = 0;
    virtual void dsStop(std::int32_t buffer) = 0;
    virtual void dsFree(std::int32_t buffer) = 0;
    virtual void dsTerminate(std::int32_t device) = 0;
};

// The texts the player reads, in the player's language. Every text has a
// stable id and its Japanese source text; the answer is the text to show,
// the source text itself where no translation is installed for the id.
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string translate(std::string_view id, std::string_view source) const = 0;
};

// Where the window stood, in pixels of the desktop: its client area's
// corner and size while not maximised, and whether it was maximised.
struct WindowPlacement {
    int x = 0, y = 0, width = 0, height = 0;
    bool maximised = false;
    bool valid() const { return width > 0 && height > 0; }
    bool operator==(const WindowPlacement&) const = default;
};

class WindowFrame {
public:
    virtual ~WindowFrame() = default;
    virtual double top() const = 0;  // twips
    virtual void place(double left, double top, double width, double height) = 0;
    virtual void quit() = 0;
    // The window's placement now (no value where there is no desktop), and
    // putting it back: kept on the screen it lands on, whole.
    virtual WindowPlacement placement() const { return {}; }
    virtual void restorePlacement(const WindowPlacement& /*placement*/) {}
    // Throws away the clicks and keys that have arrived for the window and
    // not been handled yet (input made while the computer was busy).
    virtual void discardUserInput() = 0;
};

struct Platform {
    Canvas& canvas;
    Dialogs& dialogs;
    Menus& menus;
    TimerClock& clock;
    FilePanel& filePanel;
    SoundLibrary& sound;
    WindowFrame& frame;
    Clipboard& clipboard;
    const Translator& translator;
    std::intptr_t windowHandle = 0;
    // Folders searched for the WAV files after the current folder.
    std::vector<std::string> assetFolders;
};

}  // namespace xantu
