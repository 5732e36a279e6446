' What a script host of either width finds while the 32-bit and the 64-bit component are
' registered side by side. The arguments name the components that should be registered
' (32 64, 32 or 64); the host's own width decides which one it can create.
Option Explicit
Const LIBKEY = "HKCR\TypeLib\{791011F9-50F5-4B73-B506-3D4688709F6A}\1.0\0\"
Const CLSKEY = "HKCR\CLSID\{E53F74D3-255A-4C2B-A82B-3C136C4D0F85}\InprocServer32\"
Const PROGID = "MireloListProj.MireloList"

Dim sh, expected, own, failures, i
Set sh = CreateObject("WScript.Shell")
expected = " "
For i = 0 To WScript.Arguments.Count - 1
    expected = expected & WScript.Arguments(i) & " "
Next
If sh.ExpandEnvironmentStrings("%PROCESSOR_ARCHITECTURE%") = "AMD64" Then own = "64" Else own = "32"
failures = 0

Function Registered(width)
    Registered = InStr(expected, " " & width & " ") > 0
End Function

Sub Check(what, wanted, found)
    If wanted <> found Then
        WScript.Echo "FAIL " & own & "-bit host: " & what & " expected " & wanted & ", found " & found
        failures = failures + 1
    End If
End Sub

' A registry value, or "" when the key is not there.
Function ValueOf(key)
    On Error Resume Next
    ValueOf = sh.RegRead(key)
    If Err.Number <> 0 Then ValueOf = ""
    On Error GoTo 0
End Function

Function EndsWith(text, tail)
    EndsWith = LCase(Right(text, Len(tail))) = LCase(tail)
End Function

' Each width keeps its own path to the type library in the key both share.
Check "win32 type library path", Registered("32"), EndsWith(ValueOf(LIBKEY & "win32\"), "\win32\MireloList.ocx")
Check "win64 type library path", Registered("64"), EndsWith(ValueOf(LIBKEY & "win64\"), "\win64\MireloList.ocx")
' The ProgID is shared too: it stays while either component is registered.
Check "ProgID", True, ValueOf("HKCR\" & PROGID & "\CLSID\") = "{E53F74D3-255A-4C2B-A82B-3C136C4D0F85}"
' The class is per view: this host sees the component of its own width.
Check "class path", Registered(own), InStr(ValueOf(CLSKEY), "\win" & own & "\") > 0

Dim list, made
On Error Resume Next
Set list = CreateObject(PROGID)
made = (Err.Number = 0)
On Error GoTo 0
Check "CreateObject", Registered(own), made
If made Then
    list.AddItemA 1, "No.,Title", "40,200", "1,0"
    list.AddItem "1,Yesterday", "k1"
    Check "a filled list", "1 Yesterday", list.ListCount & " " & list.item(0, 1)
End If
If failures = 0 Then WScript.Echo "ok: " & own & "-bit host, registered:" & expected
WScript.Quit failures
