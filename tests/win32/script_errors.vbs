' A script client reads the control's run-time errors by number.
Option Explicit
Dim failures: failures = 0

Sub Check(what, actual, expected)
    If actual <> expected Then
        WScript.Echo "FAIL " & what & ": got " & actual & ", expected " & expected
        failures = failures + 1
    End If
End Sub

Dim l: Set l = CreateObject("MireloListProj.MireloList")
l.AddItemA 2, "A,B,C", "50,50,50", "0,0,0"
l.AddItem "a,b,c", "k"

Dim x
On Error Resume Next

Err.Clear
l.item(0, 30) = "x"
Check "column 30", Err.Number, 9
Check "column 30 text", Err.Description, "Subscript out of range"

Err.Clear
x = l.item(0, -1)
Check "column -1", Err.Number, 9

Err.Clear
l.AddItem "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22"
Check "22 cells", Err.Number, 9

Err.Clear
l.AddItem "x", "", 40000
Check "index beyond 16 bits", Err.Number, 6
Check "overflow text", Err.Description, "Overflow"

Err.Clear
l.AddItem "x", "", "abc"
Check "index not a number", Err.Number, 13
Check "type mismatch text", Err.Description, "Type mismatch"

Err.Clear
l.ItemHeight = "tall"
Check "height not a number", Err.Number, 13

Err.Clear
x = l.ItemId(70000)
Check "index beyond 16 bits as an argument", Err.Number, 6

Err.Clear
l.BorderWidth = 0
Check "pen width 0", Err.Number, 380
Check "invalid property value text", Err.Description, "Invalid property value"

Err.Clear
l.SetItemData 5, "p,q"
Check "SetItemData on a missing row", Err.Number, 9

' The order of the rules: a missing row first, then the column.
Err.Clear
x = l.item(9, 30)
Check "a missing row reads empty whatever the column", Err.Number & "|" & x, "0|"
l.item(9, 30) = "z"
Check "a write to a missing row is ignored whatever the column", Err.Number, 0
Check "ItemId of a missing row", l.ItemId(9), 0
x = l.IndexFromPoint(0, "top")
Check "IndexFromPoint with a text Y on rows", Err.Number, 13
Err.Clear
Dim e: Set e = CreateObject("MireloListProj.MireloList")
Check "IndexFromPoint with a text Y on an empty list", e.IndexFromPoint("left", "top"), -1
Check "no error on the empty list", Err.Number, 0

' A negative column count is taken: no column shows and new rows keep no cells.
e.AddItemA -1, "A", "100", "0"
e.AddItem "a,b"
e.Refresh
Check "a negative column count", Err.Number & "|" & e.item(0, 0), "0|"
e.ResizeHead
Check "ResizeHead after a negative column count", Err.Number, 11
Err.Clear
' Fewer captions than columns: rows still keep a cell for every column.
e.AddItemA 2, "A", "100", "0"
e.AddItem "p,q,r,s"
e.Refresh
Check "fewer captions than columns", Err.Number & "|" & e.item(1, 2) & "|" & e.item(1, 3), "0|r|"

Err.Clear
l.AddItemA 21, "X,Y,Z", "50,50,50", "0,0,0"
Check "a 22nd column", Err.Number, 9
Err.Clear
l.AddItem "d,e,f"
l.ResizeHead
l.Refresh
l.SetItemData 1, "g"
Check "the control works on after the refused columns", Err.Number, 0

On Error GoTo 0
Check "rows after the failed calls", l.ListCount, 2
Check "columns kept", l.item(1, 2), "f"
Check "pen width after the failed call", l.BorderWidth, 1

If failures = 0 Then WScript.Echo "ok: run-time errors by number"
WScript.Quit failures
