' A script client: the control created with CreateObject, no container, no
' InitNew. Its first call gives it the defaults of a new control.
Option Explicit
Dim failures: failures = 0

Sub Check(what, actual, expected)
    If actual <> expected Then
        WScript.Echo "FAIL " & what & ": got " & actual & ", expected " & expected
        failures = failures + 1
    End If
End Sub

Dim l: Set l = CreateObject("MireloListProj.MireloList")
Check "ListCount", l.ListCount, 0
Check "CheckBox", l.CheckBox, False
Check "BackColor", l.BackColor, RGB(255, 255, 247)
Check "ItemHeight", l.ItemHeight, 16
Check "ItemBkColor1", l.ItemBkColor1, &HFFFFFF
Check "ItemBkColor2", l.ItemBkColor2, 16447210
Check "ItemSelBkColor", l.ItemSelBkColor, 13407330
Check "ItemNorTextColor", l.ItemNorTextColor, 9396556
Check "ItemSelTextColor", l.ItemSelTextColor, &HFFFFFF
Check "HeaderBackColor", l.HeaderBackColor, 14603213
Check "YnNeedNumCol", l.YnNeedNumCol, True
Check "ItemPlyTextColor", l.ItemPlyTextColor, 1226579
Check "ItemErrTextColor", l.ItemErrTextColor, 255
Check "Border", l.Border, True
Check "BorderColor", l.BorderColor, 12821368
Check "BorderWidth", l.BorderWidth, 1
Check "ListIndex", l.ListIndex, -1
Check "PlayIndex", l.PlayIndex, -1
Check "FirstIndex", l.FirstIndex, 0
Check "LastIndex", l.LastIndex, -1
Check "bSeleArrow", l.bSeleArrow, True
Check "GetSelectId", l.GetSelectId(), -1
Check "GetCheckItemId", l.GetCheckItemId(), "-1"
' Without a container the control has no window.
Check "hWnd", l.hWnd, 0
' A font object reports the size its face realises: about 9 points.
Check "Font.Size about 9", Abs(l.Font.Size - 9) < 1, True
Check "Font.Bold", l.Font.Bold, False
Check "Font name length", Len(l.Font.Name), 2

If failures = 0 Then WScript.Echo "ok: defaults of a script-created control"
WScript.Quit failures
