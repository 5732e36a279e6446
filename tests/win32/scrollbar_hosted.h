#pragma once
// A list hosted in place with enough rows for its scroll bar, its bar's
// window and the Scroll events it raised.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "test_container.h"

namespace mltest {

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

}  // namespace mltest
