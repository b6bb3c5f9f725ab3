// The Hueset dialog as a person and a test see it from outside: its windows, the rows of its
// list, and the platform's own windows that it opens. Reading a row's texts goes through memory
// in the dialog's process, as for any other program's list; the rest needs no such memory, so
// it also serves for a process run under emulation, whose memory Wine cannot reach.
#pragma once

#include <windows.h>
#include <string>

class DialogWindow {
public:
    HWND hwnd() const { return hwnd_; }
    HWND list() const { return list_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    int Rows() const;
    std::string Name(int row) const;
    std::string Text(int row) const;
    int RowOf(const char *name) const;
    std::string TextOf(const char *name) const { return Text(RowOf(name)); }
    int Selected() const;
    std::string ColumnTitle(int column) const;

    POINT RowPoint(int row) const; // a screen point inside the row, scrolled into view
    POINT SelectionPoint() const;  // a point of the selected row's background, past its text
    void ClickRow(const char *name) const; // selects the row with a real click
    void SelectRowWithKeys(int row) const; // selects the row with Home and the down arrow
    // Copies one row's color onto another with the list's keys; whether Apply became enabled.
    bool CopyRowOnto(const char *from, const char *to) const;
    bool ApplyEnabled() const;
    HWND Focus() const;            // the keyboard focus in the dialog's thread
    HWND OwnedDialog() const;      // a dialog box the Hueset dialog owns, such as the picker
    HWND PopupMenu() const;        // a popup menu the Hueset dialog's process shows
    POINT TopRowPoint() const;     // a point in the topmost row in view, found without list memory
    int patience() const { return patience_; }
    // Expects the message of a failed save: one box with the dialog's caption; dismisses it with
    // Enter and expects Apply enabled and the focus on a control a keyboard user can go on from.
    void ExpectSaveFailureMessage() const;

protected:
    // Waits for a visible dialog captioned "Hueset" of the given process whose list is filled.
    bool Find(DWORD processId, int timeoutMs);

    HWND hwnd_ = NULL;
    HWND list_ = NULL;
    DWORD processId_ = 0;
    int patience_ = 5000; // how long the dialog may take to answer input, in milliseconds
};
