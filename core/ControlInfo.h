#pragma once

#include "core/TavixTypes.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

class QWidget;

namespace TavixQtLib {

// Creates a parentless control.
using ControlCreateFunction = QWidget *(*)();
using ChildCreateFunction = QWidget *(*)(QWidget *parent);
// Host override consulted when a page node is created: receives the node's "name" and the type keyword.
using BoundCreateFunction = QWidget *(*)(const QString &name, const QString &type);

// Accessor bindings take the target widget first, so one descriptor serves every instance of a type.
// tavixBindAccessor() wraps a member function of any control class (or of a secondary base such as
// ITavixQWidgetBase); a target of another class makes the call do nothing and return a default value.
struct TAVIXQTLIB_EXPORT PropertyDef
{
    QString label;              // also identifies the property within its control type
    int type = ObjectName;      // a PropertyType code

    std::function<void(QWidget *, const QString &)> setString;      // 0, 1, 9
    std::function<QString(QWidget *)> getString;                    // 0, 1, 2, 9
    std::function<void(QWidget *, bool)> setBool;                   // 3
    std::function<bool(QWidget *)> getBool;
    std::function<void(QWidget *, int, const FillStyle &)> setFillStyle;     // 5; int = state code
    std::function<FillStyle(QWidget *, int)> getFillStyle;
    std::function<void(QWidget *, int, const TextStyleDesc &)> setTextStyle; // 6
    std::function<TextStyleDesc(QWidget *, int)> getTextStyle;
    std::function<void(QWidget *, const QColor &)> setColor;        // 14 (the spare pair)
    std::function<QColor(QWidget *)> getColor;
    std::function<int(QWidget *)> getInt;                           // 10, 13
    std::function<void(QWidget *, int)> setInt;
    std::function<void(QWidget *, int &, int &)> getIntPair;        // 11
    std::function<void(QWidget *, int, int)> setIntPair;
    std::function<void(QWidget *, int &, int &, int &, int &)> getIntQuad;   // 12
    std::function<void(QWidget *, int, int, int, int)> setIntQuad;

    QWidget *target = nullptr;  // the live widget the accessors apply to; null in getProps()
    std::vector<int> optionValues;      // parallel lists, for types 5, 6 and 13
    std::vector<QString> optionTexts;
    bool reserved0 = false;
    QString reserved1;
    int minimum = -10000;       // range of the Int editor
    int maximum = 10000;
    bool reserved2 = true;

    void addOption(int value, const QString &text)
    {
        optionValues.push_back(value);
        optionTexts.push_back(text);
    }
};

// Self-description of one control type.
struct TAVIXQTLIB_EXPORT ControlInfo
{
    int reserved0 = 1;
    std::string typeName;       // the type keyword
    std::string className;
    std::string displayName;
    std::uint64_t reserved1 = 0;
    std::string description;
    std::string iconName;
    std::vector<PropertyDef> properties;    // display order
    std::vector<std::uint8_t> reserved2;
    std::uint64_t reserved3 = 0;
    std::uint32_t reserved4 = 0;
    std::uint64_t reserved5 = 0;
    std::uint32_t reserved6 = 0;
};

// The seven rows every built-in descriptor starts with: "Name", "Type", "Visibility", "Enable",
// "Tooltip", "Alpha" and the "Line" separator. Control descriptors append their own rows after them.
TAVIXQTLIB_EXPORT std::vector<PropertyDef> tavixCommonPropertyDefs();
// A descriptor with its names and the common rows; the control appends its own rows.
TAVIXQTLIB_EXPORT ControlInfo tavixControlInfo(const char *typeName, const char *className,
                                               const char *displayName, const char *description,
                                               const char *iconName);

// Convenience for building descriptor rows.
TAVIXQTLIB_EXPORT PropertyDef tavixPropertyDef(const QString &label, int type);
// A per-state style row offering the states Normal, Hot, Pressed, Disable.
TAVIXQTLIB_EXPORT void tavixAddStateOptions(PropertyDef &def);

namespace detail {

template <class F> struct MemberTraits;
template <class C, class R, class... A> struct MemberTraits<R (C::*)(A...)>
{
    using Class = C;
    using Result = R;
};
template <class C, class R, class... A> struct MemberTraits<R (C::*)(A...) const>
{
    using Class = C;
    using Result = R;
};

template <class C, class R, class... A, class... In>
R invokeMember(R (C::*fn)(A...), C *obj, In &&...in) { return (obj->*fn)(static_cast<A>(in)...); }
template <class C, class R, class... A, class... In>
R invokeMember(R (C::*fn)(A...) const, C *obj, In &&...in) { return (obj->*fn)(static_cast<A>(in)...); }

} // namespace detail

// Wraps a member function pointer as a (QWidget*, args...) callable. Arguments are converted to the
// member's parameter types, so an int state code reaches a CtrlState parameter.
template <class Fn>
auto tavixBindAccessor(Fn fn)
{
    using Traits = detail::MemberTraits<Fn>;
    using C = typename Traits::Class;
    using R = std::decay_t<typename Traits::Result>;
    return [fn](QWidget *w, auto &&...args) -> R {
        C *obj = dynamic_cast<C *>(w);
        if constexpr (std::is_void_v<R>) {
            if (obj)
                detail::invokeMember(fn, obj, std::forward<decltype(args)>(args)...);
        } else {
            if (!obj)
                return R();
            return detail::invokeMember(fn, obj, std::forward<decltype(args)>(args)...);
        }
    };
}

} // namespace TavixQtLib
