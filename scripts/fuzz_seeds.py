#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz drivers to fuzz/corpus/<driver>/.

Every numeric key the readers know gets each extreme value in one seed: the int range's ends and one past
them, -1, 0, huge and tiny reals, and numbers or NaN given as strings. Add a key here when a reader learns
one, then run the script again (it rewrites the folders).
"""
import json
import os
import shutil

EXTREMES = {
    "int_min": -2147483648, "int_max": 2147483647, "minus_one": -1, "zero": 0,
    "past_int_max": 2147483648, "past_int_min": -2147483649, "uint_max": 4294967295,
    "int64_max": 9223372036854775807, "uint64_max": 18446744073709551615,
    "huge_real": 1e308, "huge_negative_real": -1e308, "tiny_real": 5e-324, "half": 0.5,
    "nan_string": "NaN", "inf_string": "-inf", "int_min_string": "-2147483648",
}

NODE_KEYS = ["x", "y", "w", "h", "absoluteDockHor", "absoluteDockVer", "absoluteDockOffsetX",
             "absoluteDockOffsetY", "minWidth", "minHeight", "maxWidth", "maxHeight", "widthPolicy",
             "heightPolicy"]
ATTR_KEYS = ["iconHor", "iconVer", "iconX", "iconY", "extWidth", "fadeDuration", "txtX", "txtY",
             "direction", "thickness", "size", "childLayout", "space", "paddingLeft", "paddingTop",
             "paddingRight", "paddingBottom", "hor"]
FILL_KEYS = ["borderSize", "round"]
TEXT_KEYS = ["hor", "ver", "x", "y", "size"]

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")


def widget_node(value, absolute):
    node = {key: value for key in NODE_KEYS}
    node.update({"type": "qtcontainer", "name": "n", "absoluteLayout": absolute,
                 "layout": {"type": value, "ratio": value},
                 "attr": dict({key: value for key in ATTR_KEYS}, text="OK", iconPath="IDB_CHECKED",
                              hasIcon=True, showIcon=True, showText=True, isExtBtn=True),
                 "style": [["s", value, value], ["t", 2, value]]})
    node["child"] = [dict(node, name="c")]
    return node


def single_key_node(key, value, in_attr):
    # One extreme key in an otherwise ordinary node, so that no other value stops the code before it.
    node = {"type": "qtbutton", "name": "k", "w": 120, "h": 40,
            "attr": {"text": "OK", "iconPath": "IDB_CHECKED", "hasIcon": True, "showIcon": True}}
    child = {"type": "qtbutton", "name": "c", "attr": {}}
    for target in (node, child):
        if in_attr:
            target["attr"][key] = value
        else:
            target[key] = value
    # Containers lay the children out with the value: one child carries it too, one is plain.
    node["child"] = [child, {"type": "qtbutton", "name": "d"}]
    return node


def style_document(value):
    return {"style": [
        {"type": 1, "name": "colour", "border": True, "drawImg": False, "clr": "ff102030",
         "margin": [value] * 4, **{key: value for key in FILL_KEYS}},
        {"type": 1, "name": "image", "drawImg": True, "img": "x.png", "repeatCenter": True,
         "margin": [value, 1, value, 1], **{key: value for key in FILL_KEYS}},
        {"type": 2, "name": "text", "isHor": False, **{key: value for key in TEXT_KEYS}},
        {"type": 2, "name": "flat", **{key: value for key in TEXT_KEYS}},
        {"type": value, "name": "typed"}]}


def menu_documents():
    # Styles, icons of both kinds and sub-menus three deep, then the same entries with every key of the
    # wrong type.
    leaf = [{"text": "Open", "icon": "open.png"}, {"text": "Save", "icon": "save.svg"}, {"text": "Plain"}]
    nested = {"text": "More", "icon": "more.svg", "items": leaf + [{"text": "Deep", "items": leaf}]}
    full = {"background": "mBack", "item0": "mNormal", "item1": "mHot", "item2": "mPressed",
            "item3": "mDisable", "text0": "tNormal", "text1": "tHot", "text2": "tPressed", "text3": "tDisable",
            "items": leaf + [nested, {"text": "", "items": []}]}
    wrong = {key: 7 for key in full if key != "items"}
    wrong["items"] = [1, "two", None, [3], {"text": 5, "icon": [], "items": {}}, {"items": 9}, {}]
    return {"full": full, "no_background": dict(full, background=None), "wrong_types": wrong,
            "empty": {}, "root_array": [leaf]}


RIBBON_ROOT_KEYS = ["groupHeight", "groupRowCount", "tabHeight", "tabItemWidth", "topBarHeight"]
RIBBON_ITEM_KEYS = ["width", "height", "min", "max", "value", "currentIndex"]
RIBBON_ITEM_TYPES = ["largeButton", "smallButton", "menuButton", "comboBox", "progressBar", "checkBox",
                     "radioButton", "label", "lineEdit", "spinBox", "switch", "separator", "unknown"]


def ribbon_item(item_type, value=None):
    item = {"itemType": item_type, "name": "n" + item_type, "text": "T", "tooltip": "tip", "enabled": True,
            "items": ["a", 1, "b"], "checked": True, "dropDown": True, "checkable": True, "icon": "IDB_CHECKED",
            "placeholder": "p", "leftText": "L", "rightText": "R", "showText": False}
    if value is not None:
        item.update({key: value for key in RIBBON_ITEM_KEYS})
    return item


def ribbon_configuration(value=None):
    items = [ribbon_item(kind, value) for kind in RIBBON_ITEM_TYPES]
    config = {"topBar": {"left": items[:3], "right": items[3:6]},
              "tabs": [{"name": "home", "displayName": "Home",
                        "groups": [{"displayName": "All", "content": items}, {"name": "Empty"}]},
                       {"groups": [{"content": items[::-1]}]}, {}]}
    if value is not None:
        config.update({key: value for key in RIBBON_ROOT_KEYS})
        config["topBar"]["height"] = value
    return config


def theme_documents():
    # The shipped themes' documents, then one whose nodes, named after every type keyword the shipped
    # document binds, carry each extreme value.
    docs = {}
    themes = os.path.join(ROOT, "..", "..", "themes")
    for theme in sorted(os.listdir(themes)):
        path = os.path.join(themes, theme, "theme.json")
        if os.path.isfile(path):
            with open(path, "rb") as f:
                data = f.read()
            if data not in docs.values():
                docs[theme] = data
    with open(os.path.join(themes, "theme1", "theme.json")) as f:
        shipped = json.load(f)
    keywords = [node["name"] for node in shipped["elements"][0]["child"] if node["name"].startswith("qt")]
    for name in ("int_min", "int_max", "nan_string"):
        node = widget_node(EXTREMES[name], False)
        docs["extreme_" + name] = {"elements": [{"type": "qtcontainer", "name": "theme", "child": [
            dict(node, name=keyword, type=keyword) for keyword in keywords]}]}
    docs["child_object"] = {"elements": [{"child": {"a": {"name": "qtbutton"}, "b": {"name": 5}}}]}
    docs["elements_object"] = {"elements": {"child": []}}
    return docs


def page_documents():
    # Containers holding what they may not hold (a list in a scroll view, a child under an unknown type),
    # then a window with extreme sizes, children of every wrong shape and an attribute at the int range's end.
    kinds = {"elements": [{"type": "qtscrollview", "child": [{"type": "qtlist"}]},
                          {"type": "nothing", "child": [{"type": "qtbutton"}]}]}
    window = {"w": EXTREMES["int_max"], "h": EXTREMES["int_min"], "trans": True, "drag": False, "resize": True,
              "minH": -1, "minW": EXTREMES["int_max"], "onlyDragCaption": True, "dbmax": True,
              "dbheight": EXTREMES["int_min"],
              "elements": [{"type": "qtcontainer", "name": "c", "x": 1, "y": 2, "w": 300, "h": 200,
                            "child": [{"type": "button", "name": "b", "layout": {"type": 0, "ratio": 2}},
                                      {"type": "qtlabel", "child": {"type": "qtlabel"}}, {"type": 3}, [], "x"]},
                           {"type": "qtgroupbox", "child": [{"type": "qtslider",
                                                             "attr": {"max": EXTREMES["int_min"]}}]}]}
    return {"kinds": kinds, "window": window}


def language_files():
    table = "Language\tEnglish\tDeutsch\r\nok\tOK\tJa\r\n-2147483648\t2147483647\tNaN\r\n"
    return {"plain_le": table.encode("utf-16-le"), "mark_le": b"\xff\xfe" + table.encode("utf-16-le"),
            "mark_be": b"\xfe\xff" + table.encode("utf-16-be"),
            "odd_byte": table.encode("utf-16-le") + b"A"}


def write(driver, name, data):
    folder = os.path.join(ROOT, driver)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data if isinstance(data, bytes) else json.dumps(data, separators=(",", ":")).encode())


def main():
    for driver in ("fuzz_widgetnode", "fuzz_styledocument", "fuzz_language", "fuzz_menu", "fuzz_pagedocument",
                   "fuzz_ribbon", "fuzz_themeindex"):
        shutil.rmtree(os.path.join(ROOT, driver), ignore_errors=True)
    for name, value in EXTREMES.items():
        write("fuzz_widgetnode", name + ".json", widget_node(value, False))
        write("fuzz_widgetnode", name + "_absolute.json", widget_node(value, True))
        write("fuzz_styledocument", name + ".json", style_document(value))
    for name in ("int_min", "int_max"):
        for key in NODE_KEYS + ATTR_KEYS:
            write("fuzz_widgetnode", "%s_%s.json" % (key, name),
                  single_key_node(key, EXTREMES[name], key in ATTR_KEYS))
        for key in FILL_KEYS + TEXT_KEYS:
            kind = 1 if key in FILL_KEYS else 2
            write("fuzz_styledocument", "%s_%s.json" % (key, name),
                  {"style": [{"type": kind, "name": "k", "drawImg": kind == 1 and key != "round",
                              "img": "x.png", key: EXTREMES[name]}]})
    for name, data in language_files().items():
        write("fuzz_language", name + ".txt", data)
    for name, data in menu_documents().items():
        write("fuzz_menu", name + ".json", data)
    for name, data in page_documents().items():
        write("fuzz_pagedocument", name + ".json", data)
    write("fuzz_ribbon", "valid.json", ribbon_configuration())
    for kind in RIBBON_ITEM_TYPES:
        # One item per bar: small inputs that mutate and run fast.
        write("fuzz_ribbon", "item_%s.json" % kind,
              {"topBar": {"left": [ribbon_item(kind)]}, "tabs": [{"groups": [{"content": [ribbon_item(kind)]}]}]})
    for name, value in EXTREMES.items():
        write("fuzz_ribbon", name + ".json", ribbon_configuration(value))
    for name, data in theme_documents().items():
        write("fuzz_themeindex", name + ".json", data)


if __name__ == "__main__":
    main()
