// The Hueset dialog as a person and a test see it from outside: its windows, the rows of its
// list, and the platform's own windows that it opens. Reading a row's texts goes through memory
// in the dialog's process, as for any other program's list.
#pragma once

#include "list_reader.h"
#include "resource.h"
#include "test_windows.h"

#include <commctrl.h>
#include <functional>

class DialogWindow : public ListReader {
public:
    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    int Selected() const { return (int)SendMessageA(list_, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }
    POINT RowPoint(int row) const; // a screen point inside the row, scrolled into view
    POINT SelectionPoint() const;  // a point of the selected row's background, past its text
    void ClickRow(const char *name, CallSite = CallSite()) const; // selects the row with a real click
    // Selects the named row with Home and the down arrow, in the list of every color.
    void SelectRowWithKeys(const char *name, CallSite = CallSite()) const;
    // Copies one row's color onto another with the list's keys; whether Apply became enabled.
    bool CopyRowOnto(const char *from, const char *to, CallSite = CallSite()) const;
    // Runs a copy (Ctrl+C unless given) and expects the clipboard to receive the color.
    void ExpectCopied(COLORREF expected, const std::function<void()> &copy = nullptr, CallSite = CallSite()) const;
    // Selects the named row with the keys and pastes with Ctrl+V; expects Apply enabled.
    void PasteOnRow(const char *name, CallSite = CallSite()) const;
    // Opens the context menu (open right-clicks or presses a key) and expects it shown.
    void OpenMenu(const std::function<void()> &open, CallSite = CallSite()) const;
    // Leaves the open menu with the keys, as a keyboard user does: item 1 Copy, 2 Paste, 0 none.
    void ChooseFromMenu(int item, CallSite = CallSite()) const;
    bool ApplyEnabled() const { return IsWindowEnabled(Item(IDC_APPLY)) != FALSE; }
    HWND Focus() const;            // the keyboard focus in the dialog's thread
    HWND OwnedDialog() const;      // a dialog box the Hueset dialog owns, such as the picker
    HWND PopupMenu() const { return FindPopupMenu(processId_); } // one the dialog's process shows
    POINT TopRowPoint() const;     // a point in the topmost row in view, found without list memory
    int patience() const { return patience_; }
    // Expects the message of a failed save: one box with the dialog's caption; dismisses it with
    // Enter and expects Apply enabled and the focus on a control a keyboard user can go on from.
    void ExpectSaveFailureMessage(CallSite = CallSite()) const;

protected:
    // Waits for a visible dialog captioned "Hueset" of the given process whose list is filled.
    bool Find(DWORD processId, int timeoutMs);

    HWND hwnd_ = NULL;
    int patience_ = 5000; // how long the dialog may take to answer input, in milliseconds
};
