#pragma once
// A control saved and loaded as a form keeps it: a property bag like a form
// file's, a control with every persisted property changed, and the check
// that another control holds the same values. The bag and a stream can go to
// a file, so that one build of the component reads what the other saved.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "com_support.h"

namespace mltest {

// A bag that keeps values the way a form file does: objects saved through
// their IPersistStream and loaded back as new objects.
class MemoryPropertyBag : public IPropertyBag {
public:
    std::map<std::wstring, Var> values;
    std::map<std::wstring, ComPtr<IStream>> objects;
    std::map<std::wstring, VARTYPE> types;
    std::vector<std::wstring> order;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* out, IErrorLog*) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

    // Numbers and texts as their type and bytes, objects as their stream's
    // bytes. False when the file cannot be written or read.
    bool SaveTo(const std::string& path) const;
    bool LoadFrom(const std::string& path);
};

// Every persisted property with a value that differs from its default.
struct Setting {
    const wchar_t* key;
    Var value;
    VARTYPE stored;
};
std::vector<Setting> NonDefaults();

struct FontFacts {
    std::wstring name;
    long size, bold, italic;
    bool operator==(const FontFacts& o) const {
        return name == o.name && size == o.size && bold == o.bold && italic == o.italic;
    }
};
FontFacts FontOf(IDispatch* d);

// A control with every persisted property changed from its default.
ComPtr<IDispatch> ChangedControl();
void ExpectSameValues(IDispatch* loaded, IDispatch* original);

// A control saved to a stream, as the stream's bytes; a new control loaded
// from such bytes or from a bag, null when it refused them.
std::vector<char> SavedBytes(IDispatch* control);
ComPtr<IDispatch> LoadedFrom(const std::vector<char>& bytes);
ComPtr<IDispatch> LoadedFrom(IPropertyBag* bag);

// The whole content of a stream, and a new stream holding bytes.
std::vector<char> BytesOf(IStream* stream);
ComPtr<IStream> StreamOf(const std::vector<char>& bytes);
bool WriteBytes(const std::string& path, const std::vector<char>& bytes);
bool ReadBytes(const std::string& path, std::vector<char>& bytes);

}  // namespace mltest
