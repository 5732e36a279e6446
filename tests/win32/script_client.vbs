' A script client (CreateObject, no container) adds, changes and removes rows,
' passing by-reference parameters every way VBScript can: variables (by
' reference), values in parentheses (by value), and leaving optional arguments
' out; then it reads the control's run-time errors by number (every error and
' the defaults of a new control: dispatch_test.cpp; the rows' own rules: the
' native item tests).
Option Explicit
Dim failures: failures = 0

Sub Check(what, actual, expected)
    If actual <> expected Then
        WScript.Echo "FAIL " & what & ": got " & actual & ", expected " & expected
        failures = failures + 1
    End If
End Sub

Dim l: Set l = CreateObject("MireloListProj.MireloList")
l.AddItemA 3, "序号,歌曲,歌手,时长", "40,80,60,40", "1,0,0,2"

Dim key: key = "k1"
Check "AddItem without key", l.AddItem("1,Yesterday,The Beatles,2:05"), 1
Check "AddItem key variable", l.AddItem("2,月亮代表我的心,邓丽君,3:29", key), 2
Check "key variable kept", key, "k1"
Check "AddItem key value", l.AddItem("3,Hotel California,Eagles,6:30", ("k3")), 3
Check "AddItem key left out, index 0", l.AddItem("0,First,Nobody,1:00", , 0), 4
Check "AddItem index and id", l.AddItem("x,Inserted,Someone,2:00", "kx", 1, 42), 5
Check "AddItem index past the end", l.AddItem("y", , 9), -1
Check "ListCount", l.ListCount, 5

Check "item(0,1)", l.item(0, 1), "First"
Check "item(2,2)", l.item(2, 2), "The Beatles"
Check "Chinese cell", l.item(3, 2), "邓丽君"
Check "ItemId(1)", l.ItemId(1), 42
Check "ItemId(0) default", l.ItemId(0), -1
l.item(2, 3) = "2:06"
Check "item written", l.item(2, 3), "2:06"
l.ItemId(2) = 7
Check "ItemId written", l.ItemId(2), 7

Dim numKey: numKey = 5
l.UpdateItem numKey, "no such row"
Check "a number passed as a key comes back a String", TypeName(numKey), "String"
Dim k3: k3 = "k3"
Dim text: text = "Hotel California (Live),Eagles,7:12"
l.UpdateItem k3, text
Check "UpdateItem", l.item(4, 1), "Hotel California (Live)"
l.SetItemData 0, "Changed"
Check "SetItemData", l.item(0, 1), "Changed"

l.CheckBox = True
Dim row, yes: row = 1: yes = True
l.SetCheckItem row, yes
Check "an Integer passed as an index comes back a Long", TypeName(row), "Long"
l.SetCheckItem 3, True
Check "GetCheckItemId", l.GetCheckItemId(), "1,3"
Dim no: no = 0
l.SetCheckAllItem no
Check "a number passed as bCheck comes back a Boolean", TypeName(no), "Boolean"
Check "SetCheckAllItem", l.GetCheckItemId(), ""
l.SetCheckItem 2, True
l.RemoveCheckItems
Check "RemoveCheckItems", l.ListCount, 4

l.ListIndex = 1
Check "ListIndex", l.ListIndex, 1
l.PlayIndex = 2
Check "PlayIndex", l.PlayIndex, 2
Check "GetSelectId is the play row", l.GetSelectId(), 2
Check "IndexFromPoint on the header", l.IndexFromPoint(50, 3), -1
' The header band takes in the border's pixels above it: ItemHeight + BorderWidth rows of pixels.
Dim band
For Each band In Array(Array(1, 16, -1), Array(1, 17, 0), Array(3, 18, -1), Array(3, 19, 0))
    l.BorderWidth = band(0)
    Check "IndexFromPoint at " & band(1) & " with a border of " & band(0), l.IndexFromPoint(0, band(1)), band(2)
Next
l.BorderWidth = 1
l.Refresh

Check "RemoveKeyItem", l.RemoveKeyItem("k1"), 3
Check "RemoveItem", l.RemoveItem(0), 2
l.Clear
Check "Clear", l.ListCount, 0

Sub FillSix()
    Dim n
    l.Clear
    For n = 0 To 5: l.AddItem n & ",t" & n, "k" & n, , 100 + n: Next
End Sub

' A host keeping its "now playing" row, as docs/using.md shows it.
' The ItemId of the play row, or -1 when no row plays.
Function PlayingId(l)
    PlayingId = -1
    If l.PlayIndex >= 0 And l.PlayIndex < l.ListCount Then PlayingId = l.ItemId(l.PlayIndex)
End Function

' After RemoveItem, RemoveKeyItem or RemoveCheckItems: the play row is the row with that id.
Sub FollowPlaying(l, id)
    Dim i
    If id = -1 Then Exit Sub
    For i = 0 To l.ListCount - 1
        If l.ItemId(i) = id Then l.PlayIndex = i: Exit Sub
    Next
End Sub

Dim id
FillSix: l.PlayIndex = 4: l.SetCheckItem 1, True: l.SetCheckItem 2, True
id = PlayingId(l)
l.RemoveCheckItems
FollowPlaying l, id      ' raises PlayIndexChanged (wFlag 1) when the number changes
Check "the play row followed", l.item(l.PlayIndex, 1), "t4"
l.RemoveItem 0
FollowPlaying l, id
Check "the play row followed again", l.item(l.PlayIndex, 1), "t4"


Set l = CreateObject("MireloListProj.MireloList")
l.AddItemA 2, "A,B,C", "50,50,50", "0,0,0"
l.AddItem "a,b,c", "k"
Dim x
On Error Resume Next
l.item(0, 30) = "x"
Check "column 30", Err.Number & " " & Err.Description, "9 Subscript out of range"
Err.Clear
l.BorderWidth = 0
Check "pen width 0", Err.Number & " " & Err.Description, "380 Invalid property value"
' The order of the rules: a missing row first, then the column.
Err.Clear
x = l.item(9, 30)
Check "a missing row reads empty whatever the column", Err.Number & "|" & x, "0|"
l.item(9, 30) = "z"
Check "a write to a missing row is ignored whatever the column", Err.Number, 0
Check "ItemId of a missing row", l.ItemId(9), 0
Dim e: Set e = CreateObject("MireloListProj.MireloList")

' A negative column count is taken: no column shows and new rows keep no cells.
e.AddItemA -1, "A", "100", "0"
e.AddItem "a,b"
e.Refresh
Check "a negative column count", Err.Number & "|" & e.item(0, 0), "0|"
e.ResizeHead
Check "ResizeHead after a negative column count: nothing to spread", Err.Number, 0
Err.Clear
' Fewer captions than columns: rows still keep a cell for every column.
e.AddItemA 2, "A", "100", "0"
e.AddItem "p,q,r,s"
e.Refresh
Check "fewer captions than columns", Err.Number & "|" & e.item(1, 2) & "|" & e.item(1, 3), "0|r|"

Err.Clear
l.AddItem "d,e,f"
l.ResizeHead
l.Refresh
l.SetItemData 1, "g"
Check "the control works on after the failed calls", Err.Number, 0

On Error GoTo 0
Check "rows after the failed calls", l.ListCount, 2
Check "columns kept", l.item(1, 2), "f"
Check "pen width after the failed call", l.BorderWidth, 1

If failures = 0 Then WScript.Echo "ok: a script client's rows and errors"
WScript.Quit failures
