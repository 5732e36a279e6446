// A JScript client: the example of docs/using.md, optional arguments skipped in the middle,
// arguments passed by value, and what Wine's cscript answers to an event connection.
var failures = 0;
function check(what, actual, expected) {
    if (actual !== expected) {
        WScript.Echo("FAIL " + what + ": got " + actual + ", expected " + expected);
        failures++;
    }
}
function errorOf(f) {
    try { f(); } catch (e) { return e.number & 0xFFFF; }
    return 0;
}

var l = new ActiveXObject("MireloListProj.MireloList");
l.AddItemA(2, "No.,Title,Artist", "40,200,120", "1,0,0");
l.AddItem("1,Yesterday,The Beatles", "k-yesterday");
l.AddItem("2,Imagine,John Lennon");
l.AddItem("3,Intro,Nobody", "", 0, 42);          // at the top, ItemId 42
check("rows", l.ListCount + " " + l.item(0, 1), "3 Intro");
l.item(0, 1) = "Intro (Live)";                   // a cell, as in VBScript
check("a cell written by assignment", l.item(0, 1), "Intro (Live)");
l.SetItemData(0, "Intro (Live),Somebody");       // or the whole row
check("SetItemData", l.item(0, 2), "Somebody");
// Wine's VBScript has no ChrW; JScript builds non-ASCII text and gets it back whole.
l.item(1, 1) = String.fromCharCode(0x6708, 0x4EAE);
check("non-ASCII text", l.item(1, 1).length + " " + l.item(1, 1).charCodeAt(1).toString(16), "2 4eae");
l.CheckBox = true;
l.SetCheckItem(1, true);
check("GetCheckItemId", l.GetCheckItemId(), "1");
try { l.ItemHeight = 0; check("ItemHeight 0 raises", false, true); }
catch (e) { check("ItemHeight 0", (e.number & 0xFFFF) + " " + e.description, "380 Invalid property value"); }

check("undefined skips the key", l.AddItem("4,Skipped,Someone", undefined, 0, 7), 4);
check("the row went where asked", l.ItemId(0) + " " + l.item(0, 1), "7 Skipped");
check("null is no missing argument", errorOf(function () { l.AddItem("5,x", null, 0, 8); }), 13);
check("nothing added for null", l.ListCount, 4);

var flag = 1;
l.SetCheckAllItem(flag);
check("a JScript variable is passed by value", typeof flag, "number");

var answer = "connected";
try { WScript.CreateObject("MireloListProj.MireloList", "ml_"); }
catch (e) { answer = (e.number >>> 0).toString(16); }
check("Wine's cscript refuses event connection (docs/using.md says so)", answer, "80004001");

if (failures == 0) WScript.Echo("ok: a JScript client");
WScript.Quit(failures);
