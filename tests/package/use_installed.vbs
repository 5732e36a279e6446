' What a host does first with an installed control, through the registration the package wrote
' (no regsvr32): create it by ProgID, define columns, add rows, read them back.
Set l = CreateObject("MireloListProj.MireloList")
l.AddItemA 2, "No.,Title,Artist", "40,200,120", "1,0,0"
l.AddItem "1,Yesterday,The Beatles", "k1"
l.AddItem "2,Imagine,John Lennon"
If l.ListCount <> 2 Then WScript.Echo "FAIL ListCount " & l.ListCount
If l.item(1, 1) <> "Imagine" Then WScript.Echo "FAIL item(1, 1) " & l.item(1, 1)
If l.item(0, 2) <> "The Beatles" Then WScript.Echo "FAIL item(0, 2) " & l.item(0, 2)
WScript.Echo "used " & l.ListCount & " rows"
