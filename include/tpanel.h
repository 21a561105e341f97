// tpanel.h - the widget toolkit TPANEL as the program's binding layer calls it.
//
// Identifiers, sizes and codes go by value; results (and the frame scale) by reference; a text
// as (pointer, length) with the length by value.  An input text is read for exactly its length
// (nothing for a length of 0 or below, or a null pointer); an output text is written for exactly
// its length, cut or blank padded, never with a terminator (nothing for a length of 0 or below,
// or a null pointer).  Identifiers are handed out in sequence from 1;
// the master window is 1.  Widget types: 1 master window, 2 dialog, 3 menu bar, 4 pop-up menu,
// 5 menu item, 6 graphics frame, 7 static text, 8 button, 12 menu separator, 13 entry field,
// 18 combo box, 103 menu-title entry; an unknown identifier has type -1.
//
// Sizes and places are in cells of the window grid (GetGridArea gives the screen's grid and
// the cell size in pixels).  A graphics frame is backed by a bitmap of its pixel size; after
// RegisterTARV, GetBitmap sends the graphics kernel's drawing to that bitmap and a print job's
// page (PDF, A4 landscape) takes the kernel's drawing while it is open.
//
// How the program is driven is chosen at WinInit: with TPANEL_SCRIPT naming a file, the actions
// come from that script (see the end of this header); a window on a display is the other way.
//
// Threads: the toolkit keeps one state for the process and in window mode drives GTK from the
// thread that called WinInit; call every routine from that thread.
#ifndef TPANEL_H
#define TPANEL_H

#include <string>
#include <vector>
#include "tarvconfig.h"

TARV_API_BEGIN

// ---- start and end ---------------------------------------------------------------------------
// Starts the toolkit once (a second call does nothing) and chooses how the run is driven: a
// script when TPANEL_SCRIPT names one, else a window on the display.  With neither (or a script
// that cannot be read) it says on standard error how to run and ends the program with status 2.
// Call it before any other routine of this header.
void WinInit();
void WinExit();  // closes every window and forgets every widget
// The start-up banner, called right after WinInit; this toolkit shows none and does nothing.
void DrawTitle();

// ---- registered defaults for the widgets that follow -------------------------------------------
// The size in cells every widget made from now on starts with (a negative size as 0); the
// enquiry reads back the values as given.  RegMaximum is kept; it limits nothing.
void RegMinimum(int columns, int rows);
void GetMinimum(int& columns, int& rows);
void RegMaximum(int columns, int rows);
// Looks of the toggles, buttons, value and text fields, sliders, panels and icons that follow:
// kept (the first value of each attribute call) for the widgets made after them; they do not
// change how this toolkit draws.
void RegToggleAttr(int a, int b, int c);
void RegToggleSize(int size);
void RegToggleType(int type);
void RegButtonAttr(int a, int b, int c);
void RegButtonSize(int size);
void RegButtonType(int type);
void RegValueAttr(int a, int b, int c, int d);
void RegValueType(int a, int b);
void RegTextAttr(int a, int b, int c, int d);
void RegTextType(int a, int b);
void RegSliderSize(int size);
void RegPanelType(int type);
void RegIconType(int type);
void RegValueSize(int size);
void RegTextSize(int size);
void RegIconSize(int size);
// The title style of the windows that follow; GetTitleType reads it back.
void RegTitleType(int type);
int GetTitleType();
// The title (trailing blanks dropped) of every window made until RemoveTitle ends the
// registration (or another title replaces it).
void RegTitleString(const char* text, int length);
void RemoveTitle();
void RegisterTARV(const char* text, int length);  // couples the graphics kernel; reads no text
// Screen grid: columns, rows, and the cell width and height in pixels.
void GetGridArea(int& columns, int& rows, int& cellWidth, int& cellHeight);

// ---- widgets -----------------------------------------------------------------------------------
// The identifier the next widget will get; the type of widget id (-1 for an unknown one).
int IGetNextIdentifier();
int IGetWidgetType(int id);
// Makes the master window, identifier 1, titled by the registered title; it must be the first
// widget (a later call does nothing).  a and b are not used.
void OpenMaster(int a, int b);
// The value IWinAction answers when widget id is chosen (a menu item, a button; for the master
// window: when it is resized); 0 for a widget given none.  An unknown id is ignored.
void SetCallBack(int id, int value);
// Keys are character codes of a letter or digit (0 or another code: none).  A key marks the first
// letter of the label that matches it as the mnemonic; on a menu item it is also the accelerator,
// Ctrl with the key (the first item to take a key keeps it).  RegAccel sets widget id's key.
void RegAccel(int id, int key);
// Menus: parent is the window or menu they belong to; id is the new widget; texts are the
// labels.
void AddMenuBar(int parent, int& id);
// A title entry in the menu bar (new - 1) and its pop-up menu (new).
void AddMenuPull(int parent, const char* text, int length, int key, int& id);
// An item of pop-up menu `parent` (type 5); AddMenuString and AddComboItem make one without a
// key.
void AddMenuEntry(int parent, const char* text, int length, int key, int& id);
void AddMenuString(int parent, const char* text, int length, int& id);
void AddComboItem(int parent, const char* text, int length, int& id);
// A pop-up menu (type 4) owned by widget id; ChangeToCombo also makes id a combo box (type 18).
// a and b are not used.
void AddMenuPop(int id, int a, int b, int& pop);
void AddMenuFloat(int id, int& pop);
void ChangeToCombo(int id, int& pop);
void AddMenuCascade(int id, int& pop);
// A separator line in menu id (type 12); result is its identifier.  flag is not used.
void AddMenuSeparator(int id, int flag, int& result);
void OpenWindow(int parent, int column, int row, int& id);  // a dialog, hidden until drawn
// A static text at (column, row), at least as wide as the text and as `width`; kind and d are
// not used.  A window grows to hold each widget placed in it.
void AddString(int parent, int kind, const char* text, int length, int d, int column, int row,
               int width, int& id);
// An entry field holding the text, `width` cells wide at least; d is not used.  AddButton: a
// button labelled by the text, two cells wider than it, key its mnemonic.
void AddEditor(int parent, int column, int row, const char* text, int length, int width, int d,
               int& id);
void AddButton(int parent, int key, const char* text, int length, int column, int row, int& id);
// info: column, row, width and height in cells; kind := the widget's type (-1 unknown); part 1
// reads or writes the geometry too, any other part only the title.  GetWidgetInfo writes the
// title to text (length characters; blank for an unknown identifier) and, for part 1 and a
// known widget, min(infoBytes / 4, 4) values of info (none when infoBytes is below 4 or info is
// null).  SetWidgetInfo, for a known widget, reads length characters of the title (the title
// stays when text is null or length below 1; trailing blanks dropped) and, for part 1, exactly 4
// values of info (a place below 0 taken as 0, a size below 1 as 1), none (the geometry stays)
// when infoBytes is below 16 or info is null.
void GetWidgetInfo(int id, char* text, int length, int* info, int infoBytes, int& kind, int part);
void SetWidgetInfo(int id, const char* text, int length, int* info, int infoBytes, int& kind,
                   int part);

// ---- graphics frames ---------------------------------------------------------------------------
// A graphics frame at (column, row) of the registered minimum size, with a bitmap of 24 by 24
// pixels a cell (1 to 400 cells each way) painted in the background colour.  Setting its size
// through SetWidgetInfo gives it a new, blank bitmap.
void GraphicsFrame(int parent, int column, int row, int& frame);
// After RegisterTARV: the kernel draws into this frame's bitmap from now on (an unknown frame is
// ignored).  The kernel's drawing is all on the bitmap only after kernelFlushOutput (lines it
// still holds, large fills its own threads are still making), which also has the frame shown
// again: call it before a snapshot or a redraw reads the bitmap.
void GetBitmap(int frame);
// The bitmap's size in pixels (0 and 0 for an unknown frame).
void GetBitmapSize(int frame, int& pixelWidth, int& pixelHeight);
// The frame scale (width, height and origin in the program's units): kept and read back (zeros
// for an unknown frame).
void SetFrameScale(int frame, float width, float height, float xOrigin, float yOrigin);
void GetFrameScale(int frame, float& width, float& height, float& xOrigin, float& yOrigin);
// red, green, blue 0..255 (clamped); other pens are ignored.  The new background paints the
// bitmaps made or cleared from then on; the kernel's colour 0 stays white.
void ChangePen(int pen, int red, int green, int blue);  // pen 0 is the frame background
// Paints the frame's bitmap in the background colour.
void ClearFrame(int frame);
// Shows the frames on screen as their bitmaps stand (the window mode; nothing in a scripted
// run); it does not bring the kernel's drawing up to date (kernelFlushOutput does).
void UpdateFrame();
// The value IWinAction answers when the frame must be shown again; the frame keeps its picture,
// so the program need not redraw.
void SetCallExpose(int frame, int value);

// ---- windows, actions, dialogs, printing -------------------------------------------------------
void WindowDraw(int mode, int id);  // shows a window and its widgets
void WindowAction(int id);          // activates a window; 0 the main window
void WindowRemove(int id);          // takes a window off the screen (it can be shown again)
// Waits for the next action: its callback value, and 5 values written to out[0..4] (out[2]
// the widget, out[3] the event value, the others 0; nothing when out is null).  -1 when the
// master window is closed or the script has ended.
void IWinAction(int& value, int* out);
// File choice (flag is not used): name (nameLength characters) and directory (dirLength
// characters) are read and written in place, blank padded; the filter's filterLength
// characters are read.  A blank name means cancel (then only the name is written).  The
// directory returned is absolute; a choice longer than either field counts as a cancel.
void OpenBrowse(int& flag, char* name, int nameLength, char* dir, int dirLength, const char* filter,
                int filterLength);
// A message box with the title and text (trailing blanks dropped) that waits for OK; in a
// scripted run one transcript entry and a line on standard error.  type is not used.
void ErrorBox(const char* title, int titleLength, const char* text, int textLength, int type);
// Mode 0 (or -1) starts a page: status 1, the page in pixels and in page units (millimetres);
// status 0 and zeros when the job is declined (or the script has no answer), its file cannot
// be made, or a job is open already.  Mode 1 ends the job and writes the page: status 1 and the
// page size, or 0 and zeros when no job was open or the page could not be written to its file
// (a write to it, or its closing, failed; said on standard error as "tpanel: print: the page
// could not be written to FILE", and a page bound for a printer is not sent to it).  Other
// modes do nothing and give status 0 and zeros.
void PrintJob(int mode, int& status, int& pagePixelWidth, int& pagePixelHeight, float& pageWidth,
              float& pageHeight);

// ---- scripted runs -----------------------------------------------------------------------------
// TPANEL_SCRIPT names a file of lines, `#` starting a comment (at the start of a line or after
// a blank):
//   menu TITLE/ITEM        the item's callback value        button LABEL   a shown button's value
//   resize COLUMNS ROWS    the master's new size (1..400); its value     exit  -1
//   browse PATH            answer of the next file choice   browse         cancels it
//   print ok | print fail  status of the next print job     print-to FILE.pdf  where that job goes
//   snapshot FILE.png      writes the first graphics frame's bitmap as it stands
// A print job writes a PDF file and a snapshot a PNG file: a name whose extension says another
// format (print-to p.txt, snapshot s.pdf) is refused as a line that cannot be used; a name with
// no extension, or with its own (.pdf for print-to, .png for snapshot, in any case), is taken.
// A print job with no print-to taken before its answer goes to print-N.pdf, N counting the
// print lines.  A file choice or a print job with no answer left in the script is cancelled or
// fails (said on standard error).
// Relative paths are taken from the directory the program started in.  The end of the script
// is -1.  A line that cannot be used is reported on standard error with its number and skipped.

namespace tpanel {

// What the toolkit said to the user in a scripted run: message boxes and rejected script lines,
// one entry each.  For tests.
const std::vector<std::string>& transcript();

}  // namespace tpanel

TARV_API_END

#endif
