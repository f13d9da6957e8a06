// pages/check_list_accessibility.h
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "support/com_pointer.h"
#include "support/com_scope.h"

class CheckListBox;

// What a screen reader learns of a check list's lines: each is a check button, ticked or not,
// besides selected and focused as a list box line is. Given through the platform's Dynamic
// Annotation: the list's accessible object asks this server for a line's role and state
// whenever a reader wants them. Without the annotation service (an old or partial system) the
// list stays an ordinary list.
class CheckListAccessibility : public IAccPropServer {
public:
    explicit CheckListAccessibility(const CheckListBox& list);
    CheckListAccessibility(const CheckListAccessibility&) = delete;
    CheckListAccessibility& operator=(const CheckListAccessibility&) = delete;
    virtual ~CheckListAccessibility();

    // Starts answering for the list box's lines; Stop before the list box goes.
    void Start(HWND listBox);
    void Stop();
    // Tells readers that a line's tick changed.
    void StateChanged(int line) const;

    // IAccPropServer; the object lives as long as its owner, not by its reference count.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE* identity, DWORD identityLength,
                                           MSAAPROPID property, VARIANT* value,
                                           BOOL* hasProperty) override;

private:
    const CheckListBox& list_;
    ComScope com_;
    ComPointer<IAccPropServices> services_;
    HWND listBox_ = nullptr;
};
