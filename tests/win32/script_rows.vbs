' A script client adds, changes and removes rows, passing by-reference
' parameters every way VBScript can: variables (by reference), values in
' parentheses (by value), and leaving optional arguments out.
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

Dim k3: k3 = "k3"
Dim text: text = "Hotel California (Live),Eagles,7:12"
l.UpdateItem k3, text
Check "UpdateItem", l.item(4, 1), "Hotel California (Live)"
l.SetItemData 0, "Changed"
Check "SetItemData keeps column 0", l.item(0, 0), "0"
Check "SetItemData", l.item(0, 1), "Changed"

l.CheckBox = True
Dim row, yes: row = 1: yes = True
l.SetCheckItem row, yes
l.SetCheckItem 3, True
Check "GetCheckItemId", l.GetCheckItemId(), "1,3"
l.SetCheckAllItem False
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
l.Refresh

Check "RemoveKeyItem", l.RemoveKeyItem("k1"), 3
Check "RemoveKeyItem unknown", l.RemoveKeyItem("nope"), -1
Check "RemoveItem", l.RemoveItem(0), 2
Check "RemoveItem out of range", l.RemoveItem(5), -1
l.Clear
Check "Clear", l.ListCount, 0
Check "Clear resets ListIndex", l.ListIndex, -1

If failures = 0 Then WScript.Echo "ok: rows added, changed and removed by a script"
WScript.Quit failures
