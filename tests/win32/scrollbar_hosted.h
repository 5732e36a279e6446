#pragma once
// A list hosted in place with enough rows for its scroll bar, and what the
// bar tests need around it: the bar's window, messages with real timers
// running, pixels, and a count of the process's GDI objects.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "test_container.h"

namespace mltest {

constexpr DISPID kScrollEvent = 8;

class HostedBar : public ::testing::Test {
protected:
    // Hosts a list (run mode unless told otherwise) with `rows` rows.
    void Host(bool userMode = true, int rows = 60);
    void TearDown() override;

    HWND Bar() const;  // the list's scroll bar window
    HWND List() const { return hosted->controlWindow(); }
    long FirstIndex() const;
    // The bar window's rectangle in the list's client pixels.
    RECT BarRect() const;
    int ScrollEvents() const;

    LRESULT SendToBar(UINT msg, WPARAM wParam, int x, int y) const;

    std::unique_ptr<HostedControl> hosted;
    EventSink events;
    DWORD cookie = 0;
};

// Pumps this thread's messages for `ms` milliseconds, so that window timers
// are delivered; returns early once `until` (if given) holds.
void PumpFor(DWORD ms, const std::function<bool()>& until = {});

// Live GDI objects of this process; -1 when they cannot be counted.
int LiveGdiObjects();

// Pixels of a window's client area with the given colour, inside `area`.
int CountColour(HWND window, const RECT& area, COLORREF colour);

}  // namespace mltest
