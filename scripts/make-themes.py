#!/usr/bin/env python3
"""Writes themes/theme1..theme3 (style.json, theme.json, images/*.svg) from one palette per theme.

The three themes share one set of style and entry names, so the dashboard and tests treat them alike;
only the palette, corner radii and a few type choices differ. Run from the source root:

    python3 scripts/make-themes.py

The output is committed; edit the palettes here and run the script again rather than editing the JSON.
"""

import json
import os
import sys

THEMES = {
    "theme1": {   # light blue office
        "title": "Light blue office",
        "window": "E9EFF8", "windowBorder": "D3DDEB", "windowRound": 12,
        "sidebar": "FFFFFF", "sidebarBorder": "D5DFEE",
        "promo": "EAF2FF", "promoBorder": "C6D8F7",
        "divider": "DCE4F0",
        "card": "FFFFFF", "cardBorder": "DCE3EE", "cardRound": 10,
        "canvas": "F4F7FC", "canvasBorder": "E1E8F2",
        "note": "EEF4FF", "noteBorder": "CFDDF6",
        "panel": "FFFFFF", "panelBorder": "D2DBE8",
        "second": "F3F7FD", "secondBorder": "D8E2F0",
        "text": "1F2937", "text2": "4B5563", "textDisabled": "9AA3AF", "title": "111827",
        "accent": "2563EB", "accentHot": "1D4ED8", "accentPressed": "1E40AF", "onAccent": "FFFFFF",
        "accentSoft": "DCE8FD", "accentText": "1D4ED8", "accentSoftText": "1E3A8A",
        "btn": "2563EB", "btnBorder": "1F56D1", "btnHot": "1D4ED8", "btnHotBorder": "1A45C2",
        "btnPressed": "1E40AF", "btnPressedBorder": "1B3A9E", "btnDisabled": "E3E8EF",
        "btnDisabledBorder": "D5DCE6", "btnText": "FFFFFF", "btnDisabledText": "8A94A3",
        "btnRound": 6, "btnBold": True,
        "input": "FFFFFF", "inputBorder": "C3CFDF", "inputHotBorder": "7EA6EE", "inputFocusBorder": "2563EB",
        "inputDisabled": "F1F4F8", "inputDisabledBorder": "DDE3EB", "inputRound": 6, "placeholder": "6B7280",
        "hover": "EEF4FF", "select": "DCE8FD", "selectText": "1E3A8A",
        "header": "F1F5FB", "headerText": "374151",
        "track": "DDE5F0", "fill": "2563EB", "progressFill": "8CB4F6", "progressText": "0F1E3A",
        "thumb": "FFFFFF", "thumbBorder": "2563EB", "thumbHot": "EEF4FF", "thumbPressed": "DCE8FD",
        "switchOff": "DDE5F0", "switchThumb": "FFFFFF", "switchThumbBorder": "B9C7DB", "switchText": "1F2937", "switchThumbText": "1F2937",
        "scrollTrack": "F1F4F9", "scrollThumb": "C5D1E2", "scrollThumbHot": "9FB3D0", "scrollThumbPressed": "7F98BE",
        "scrollButton": "F1F4F9", "scrollButtonHot": "E1E8F3", "scrollArrow": "6B7A90",
        "tabBar": "F1F5FB", "tab": "F1F5FB", "tabText": "4B5563", "tabHot": "E4ECF8",
        "tabSelected": "FFFFFF", "tabSelectedBorder": "2563EB", "tabSelectedText": "1D4ED8", "tabRound": 6,
        "check": "2563EB", "checkBorder": "94A3B8", "checkHot": "2563EB", "checkBox": "FFFFFF",
        "checkMark": "FFFFFF", "disabledMark": "C4CBD6",
        "lcd": "0F1E3A", "lcdDigits": "7DD3FC",
        "winBtn": "E8F0FE", "winBtnHot": "D2E3FC", "winBtnPressed": "BCD4FA", "winBtnIcon": "2563EB",
        "closeBtn": "E8F0FE", "closeBtnHot": "E5484D", "closeBtnPressed": "C93A3F", "closeIcon": "2563EB",
        "menuBar": "FFFFFF", "menuPopup": "FFFFFF", "menuPopupBorder": "D2DBE8",
        "ribbonTab": "EAF1FB", "ribbonArea": "FFFFFF", "ribbonGroup": "F7FAFE",
        "titleSize": 16, "bodySize": 12, "smallSize": 11,
    },
    "theme2": {   # dark contrast
        "title": "Dark contrast",
        "window": "0B0F14", "windowBorder": "1E2633", "windowRound": 12,
        "sidebar": "121821", "sidebarBorder": "222B38",
        "promo": "16212E", "promoBorder": "2B3B50",
        "divider": "263041",
        "card": "171E28", "cardBorder": "283345", "cardRound": 8,
        "canvas": "10161E", "canvasBorder": "222B37",
        "note": "1A2430", "noteBorder": "2C3A4C",
        "panel": "171E28", "panelBorder": "2C3748",
        "second": "1C2531", "secondBorder": "2E3A4B",
        "text": "E6EDF3", "text2": "A9B4C2", "textDisabled": "6B7684", "title": "F8FAFC",
        "accent": "38BDF8", "accentHot": "7DD3FC", "accentPressed": "0EA5E9", "onAccent": "0B1220",
        "accentSoft": "0C4A6E", "accentText": "38BDF8", "accentSoftText": "FFFFFF",
        "btn": "38BDF8", "btnBorder": "38BDF8", "btnHot": "7DD3FC", "btnHotBorder": "7DD3FC",
        "btnPressed": "0EA5E9", "btnPressedBorder": "0EA5E9", "btnDisabled": "1F2833",
        "btnDisabledBorder": "2A3442", "btnText": "0B1220", "btnDisabledText": "6B7684",
        "btnRound": 4, "btnBold": True,
        "input": "0E141C", "inputBorder": "3A4759", "inputHotBorder": "7DD3FC", "inputFocusBorder": "38BDF8",
        "inputDisabled": "151B23", "inputDisabledBorder": "252E3B", "inputRound": 4, "placeholder": "8D99A8",
        "hover": "1E2A38", "select": "0C4A6E", "selectText": "FFFFFF",
        "header": "1E2733", "headerText": "CBD5E1",
        "track": "2A3444", "fill": "38BDF8", "progressFill": "0369A1", "progressText": "FFFFFF",
        "thumb": "E6EDF3", "thumbBorder": "38BDF8", "thumbHot": "FFFFFF", "thumbPressed": "BAE6FD",
        "switchOff": "2A3444", "switchThumb": "E6EDF3", "switchThumbBorder": "38BDF8", "switchText": "E6EDF3", "switchThumbText": "0B1220",
        "scrollTrack": "121821", "scrollThumb": "354254", "scrollThumbHot": "4A5A70", "scrollThumbPressed": "38BDF8",
        "scrollButton": "121821", "scrollButtonHot": "1E2733", "scrollArrow": "A9B4C2",
        "tabBar": "121821", "tab": "121821", "tabText": "A9B4C2", "tabHot": "1E2733",
        "tabSelected": "0C4A6E", "tabSelectedBorder": "38BDF8", "tabSelectedText": "FFFFFF", "tabRound": 4,
        "check": "38BDF8", "checkBorder": "7A8799", "checkHot": "7DD3FC", "checkBox": "0E141C",
        "checkMark": "0B1220", "disabledMark": "3A4656",
        "lcd": "05080C", "lcdDigits": "38BDF8",
        "winBtn": "1A2230", "winBtnHot": "263244", "winBtnPressed": "0C4A6E", "winBtnIcon": "CBD5E1",
        "closeBtn": "1A2230", "closeBtnHot": "E5484D", "closeBtnPressed": "B4363A", "closeIcon": "CBD5E1",
        "menuBar": "121821", "menuPopup": "171E28", "menuPopupBorder": "2C3748",
        "ribbonTab": "121821", "ribbonArea": "171E28", "ribbonGroup": "1B2330",
        "titleSize": 16, "bodySize": 12, "smallSize": 11,
    },
    "theme3": {   # classic neutral
        "title": "Classic neutral",
        "window": "DCD7CF", "windowBorder": "B3AA9D", "windowRound": 4,
        "sidebar": "F2EFEA", "sidebarBorder": "BDB5A9",
        "promo": "E7E1D7", "promoBorder": "C5BCAE",
        "divider": "C4BBAE",
        "card": "FAF8F5", "cardBorder": "C9C1B5", "cardRound": 3,
        "canvas": "EFEBE5", "canvasBorder": "D2CABE",
        "note": "F4EFE4", "noteBorder": "D6CDBB",
        "panel": "FAF8F5", "panelBorder": "BFB7AB",
        "second": "EFEBE5", "secondBorder": "CFC7BB",
        "text": "2B2621", "text2": "5E564D", "textDisabled": "A39B90", "title": "1E1A16",
        "accent": "4F6D64", "accentHot": "5E7E74", "accentPressed": "3F5A52", "onAccent": "FFFFFF",
        "accentSoft": "D5DED8", "accentText": "3F5A52", "accentSoftText": "1E2B26",
        "btn": "ECE7DF", "btnBorder": "9E958A", "btnHot": "F7F4EF", "btnHotBorder": "7A6F63",
        "btnPressed": "D9D1C5", "btnPressedBorder": "6B6156", "btnDisabled": "EEEBE6",
        "btnDisabledBorder": "D2CBC1", "btnText": "2B2621", "btnDisabledText": "A39B90",
        "btnRound": 3, "btnBold": False,
        "input": "FFFFFF", "inputBorder": "A89F93", "inputHotBorder": "7A6F63", "inputFocusBorder": "4F6D64",
        "inputDisabled": "F1EEE9", "inputDisabledBorder": "D5CEC4", "inputRound": 2, "placeholder": "6F675D",
        "hover": "EDE8E0", "select": "D5DED8", "selectText": "1E2B26",
        "header": "E6E0D6", "headerText": "3A342E",
        "track": "D8D1C6", "fill": "4F6D64", "progressFill": "9DB2A8", "progressText": "22201D",
        "thumb": "F7F4EF", "thumbBorder": "7A6F63", "thumbHot": "FFFFFF", "thumbPressed": "E1DBD1",
        "switchOff": "D8D1C6", "switchThumb": "FAF8F5", "switchThumbBorder": "8E8478", "switchText": "2B2621", "switchThumbText": "2B2621",
        "scrollTrack": "EAE6E0", "scrollThumb": "C7BFB3", "scrollThumbHot": "AFA597", "scrollThumbPressed": "948A7D",
        "scrollButton": "E4DFD7", "scrollButtonHot": "D7D0C5", "scrollArrow": "5E564D",
        "tabBar": "E6E0D6", "tab": "E6E0D6", "tabText": "4A433B", "tabHot": "EFEAE2",
        "tabSelected": "FAF8F5", "tabSelectedBorder": "A89F93", "tabSelectedText": "1E1A16", "tabRound": 3,
        "check": "4F6D64", "checkBorder": "8E8478", "checkHot": "4F6D64", "checkBox": "FFFFFF",
        "checkMark": "FFFFFF", "disabledMark": "D0C9BF",
        "lcd": "2B2A26", "lcdDigits": "C9E3B5",
        "winBtn": "E7E2DA", "winBtnHot": "D9D2C7", "winBtnPressed": "C9C0B3", "winBtnIcon": "4A433B",
        "closeBtn": "E7E2DA", "closeBtnHot": "B8453C", "closeBtnPressed": "963730", "closeIcon": "4A433B",
        "menuBar": "EDE9E3", "menuPopup": "FAF8F5", "menuPopupBorder": "BFB7AB",
        "ribbonTab": "E6E0D6", "ribbonArea": "FAF8F5", "ribbonGroup": "F2EEE8",
        "titleSize": 15, "bodySize": 12, "smallSize": 11,
    },
}


def fill(name, clr, border=None, size=1, rnd=0, **extra):
    s = {"type": 1, "name": name, "drawImg": False, "clr": "FF" + clr}
    if border:
        s.update({"border": True, "borderSize": size, "borderclr": "FF" + border})
    else:
        s["borderSize"] = 0
    if rnd:
        s["round"] = rnd
    s.update(extra)
    return s


def text(name, clr, size=12, hor=0, ver=1, bold=False, x=0):
    s = {"type": 2, "name": name, "clr": "FF" + clr, "hor": hor, "ver": ver}
    if x:
        s["x"] = x
    if size != 12:
        s["size"] = size
    if bold:
        s["bold"] = True
    return s


def styles(p):
    r, ir, br = p["cardRound"], p["inputRound"], p["btnRound"]
    combo_side = {"leftBorder": False, "roundTopLeft": False, "roundBottomLeft": False}
    body, small, title = p["bodySize"], p["smallSize"], p["titleSize"]
    out = [
        # Surfaces of the dashboard.
        fill("windowBg", p["window"], p["windowBorder"], 1, p["windowRound"]),
        fill("sidebarBg", p["sidebar"], p["sidebarBorder"], 1, r),
        fill("promoBg", p["promo"], p["promoBorder"], 1, r),
        fill("dividerBg", p["divider"]),
        fill("cardBg", p["card"], p["cardBorder"], 1, r),
        fill("previewCanvasBg", p["canvas"], p["canvasBorder"], 1, r),
        fill("noteBg", p["note"], p["noteBorder"], 1, r),
        fill("mainBkg", p["window"], p["windowBorder"], 1, 0),
        fill("secondBkg", p["second"], p["secondBorder"], 1, r),
        fill("panelBg", p["panel"], p["panelBorder"], 1, r),
        fill("panelBgDisable", p["inputDisabled"], p["inputDisabledBorder"], 1, r),
        fill("transparentBg", "000000", None, 0, 0),
        # Push buttons.
        fill("btnNormal", p["btn"], p["btnBorder"], 1, br),
        fill("btnHot", p["btnHot"], p["btnHotBorder"], 1, br),
        fill("btnPressed", p["btnPressed"], p["btnPressedBorder"], 1, br),
        fill("btnDisable", p["btnDisabled"], p["btnDisabledBorder"], 1, br),
        text("btnText", p["btnText"], body, 1, 1, p["btnBold"]),
        text("btnTextDisable", p["btnDisabledText"], body, 1, 1, p["btnBold"]),
        # Window buttons.
        fill("winBtnNormal", p["winBtn"], None, 0, 6),
        fill("winBtnHot", p["winBtnHot"], None, 0, 6),
        fill("winBtnPressed", p["winBtnPressed"], None, 0, 6),
        fill("closeBtnNormal", p["closeBtn"], None, 0, 6),
        fill("closeBtnHot", p["closeBtnHot"], None, 0, 6),
        fill("closeBtnPressed", p["closeBtnPressed"], None, 0, 6),
        # Navigation buttons of the sidebar.
        fill("navSelected", p["accentSoft"], None, 0, 10),
        fill("navHot", p["hover"], None, 0, 10),
        text("navText", p["text2"], body, 0, 1, False),
        text("navTextSelected", p["accentSoftText"], body, 0, 1, True),
        # Text.
        text("bodyText", p["text"], body),
        text("bodyTextDisable", p["textDisabled"], body),
        text("secondaryText", p["text2"], small),
        text("titleText", p["title"], title, 0, 1, True),
        text("headingText", p["title"], 20, 0, 1, True),
        text("subtitleText", p["title"], 13, 0, 1, True),
        text("mutedText", p["text2"], small),
        text("accentText", p["accentText"], body, 0, 1, True),
        text("groupTitleText", p["text"], body, 0, 1, True),
        text("placeholderText", p["placeholder"], body),
        # Inputs (line edit, text edit, combo box).
        fill("inputNormal", p["input"], p["inputBorder"], 1, ir),
        fill("inputHot", p["input"], p["inputHotBorder"], 1, ir),
        fill("inputFocus", p["input"], p["inputFocusBorder"], 2, ir),
        fill("inputDisable", p["inputDisabled"], p["inputDisabledBorder"], 1, ir),
        text("inputText", p["text"], body),
        text("inputTextDisable", p["textDisabled"], body),
        text("comboText", p["text"], body, x=8),
        text("comboTextDisable", p["textDisabled"], body, x=8),
        # The arrow part repeats the box's right-hand border, so the frame stays whole under it.
        fill("comboButton", p["input"], p["inputBorder"], 1, ir, **combo_side),
        fill("comboButtonHot", p["hover"], p["inputHotBorder"], 1, ir, **combo_side),
        fill("comboButtonPressed", p["hover"], p["inputFocusBorder"], 2, ir, **combo_side),
        fill("comboButtonDisable", p["inputDisabled"], p["inputDisabledBorder"], 1, ir, **combo_side),
        fill("popupBg", p["menuPopup"], p["menuPopupBorder"], 1, 0),
        # Item rows (lists, tables, trees, combo popups, menus).
        # Lists and views sit on a borderless tinted panel: their rows would cover a frame's top and sides.
        fill("listBg", p["second"]),
        fill("itemHot", p["hover"]),
        fill("itemSelected", p["select"]),
        text("itemText", p["text"], body, x=8),
        text("itemTextSelected", p["selectText"], body, 0, 1, True, x=8),
        text("itemTextDisable", p["textDisabled"], body, x=8),
        fill("headerBg", p["header"], p["panelBorder"], 1, 0, leftBorder=False, topBorder=False),
        text("headerText", p["headerText"], small, 0, 1, True, x=8),
        # Check boxes and radio buttons: transparent rows, the indicator images carry the state.
        text("checkText", p["text"], body, x=6),
        text("checkTextDisable", p["textDisabled"], body, x=6),
        # Progress bar and slider.
        fill("trackBg", p["track"], None, 0, 4),
        fill("progressBg", p["track"], None, 0, 6),
        fill("progressFill", p["progressFill"], None, 0, 6),
        text("progressText", p["progressText"], small, 1, 1, True),
        fill("sliderTrack", p["track"], None, 0, 3),
        fill("sliderFill", p["fill"], None, 0, 3),
        fill("sliderThumb", p["thumb"], p["thumbBorder"], 2, 9),
        fill("sliderThumbHot", p["thumbHot"], p["thumbBorder"], 2, 9),
        fill("sliderThumbPressed", p["thumbPressed"], p["thumbBorder"], 2, 9),
        fill("sliderThumbDisable", p["inputDisabled"], p["disabledMark"], 2, 9),
        # Switch.
        fill("switchBg", p["switchOff"], None, 0, 17),
        fill("switchThumb", p["switchThumb"], p["switchThumbBorder"], 1, 15),
        fill("switchThumbHot", p["switchThumb"], p["accent"], 2, 15),
        fill("switchThumbPressed", p["accentSoft"], p["accent"], 2, 15),
        fill("switchThumbDisable", p["inputDisabled"], p["inputDisabledBorder"], 1, 15),
        text("switchText", p["switchText"], small, 1, 1, True),
        text("switchThumbText", p["switchThumbText"], small, 1, 1, True),
        # Scroll bars.
        fill("scrollTrack", p["scrollTrack"]),
        fill("scrollButton", p["scrollButton"]),
        fill("scrollButtonHot", p["scrollButtonHot"]),
        fill("scrollThumb", p["scrollThumb"], p["scrollTrack"], 2, 5),
        fill("scrollThumbHot", p["scrollThumbHot"], p["scrollTrack"], 2, 5),
        fill("scrollThumbPressed", p["scrollThumbPressed"], p["scrollTrack"], 2, 5),
        fill("scrollThumbDisable", p["scrollTrack"], p["scrollTrack"], 2, 5),
        # Tabs.
        fill("tabBar", p["tabBar"], p["panelBorder"], 1, 0, leftBorder=False, topBorder=False, rightBorder=False),
        fill("tabItem", p["tab"]),
        fill("tabItemHot", p["tabHot"], None, 0, p["tabRound"], roundBottomLeft=False, roundBottomRight=False),
        fill("tabItemSelected", p["tabSelected"], p["tabSelectedBorder"], 1, p["tabRound"],
             roundBottomLeft=False, roundBottomRight=False, bottomBorder=False),
        fill("tabItemDisable", p["tab"]),
        text("tabText", p["tabText"], body, 1),
        text("tabTextSelected", p["tabSelectedText"], body, 1, 1, True),
        text("tabTextDisable", p["textDisabled"], body, 1),
        # Group box, LCD.
        fill("groupBg", p["card"], p["cardBorder"], 1, r),
        fill("lcdBg", p["lcd"], None, 0, 4),
        # Menus.
        fill("menuBarBg", p["menuBar"], p["panelBorder"], 1, 0, leftBorder=False, topBorder=False,
             rightBorder=False),
        fill("menuItem", p["menuBar"]),
        fill("menuItemHot", p["hover"], None, 0, 4),
        fill("menuItemPressed", p["select"], None, 0, 4),
        text("menuText", p["text"], body, 1),
        text("menuTextHot", p["selectText"], body, 1),
        text("menuTextDisable", p["textDisabled"], body, 1),
        fill("menuPopupItem", p["menuPopup"]),
        fill("menuPopupItemHot", p["select"]),
        text("menuPopupText", p["text"], body),
        text("menuPopupTextHot", p["selectText"], body),
        # Ribbon bar.
        fill("ribbonBar", p["ribbonTab"], p["panelBorder"], 1, 0),
        fill("ribbonArea", p["ribbonArea"], p["panelBorder"], 1, 0),
        fill("ribbonGroup", p["ribbonGroup"], p["cardBorder"], 1, 3),
        fill("ribbonSpare", p["divider"]),
        fill("ribbonTab", p["ribbonTab"]),
        fill("ribbonTabHot", p["tabHot"], None, 0, 3),
        fill("ribbonTabSelected", p["ribbonArea"], p["panelBorder"], 1, 3, bottomBorder=False,
             roundBottomLeft=False, roundBottomRight=False),
        fill("ribbonTabDisable", p["ribbonTab"]),
        fill("ribbonButton", p["ribbonArea"]),
        fill("ribbonButtonHot", p["hover"], p["inputHotBorder"], 1, 3),
        fill("ribbonButtonPressed", p["select"], p["inputFocusBorder"], 1, 3),
        fill("ribbonButtonDisable", p["ribbonArea"]),
        text("ribbonTabText", p["text"], body, 1),
        text("ribbonGroupText", p["text2"], small, 1),
        text("ribbonButtonText", p["text"], small, 1),
        text("ribbonSpareText", p["text"], body),
    ]
    return out


def entry(name, typ, style=None, attr=None):
    node = {"name": name, "type": typ}
    if attr:
        node["attr"] = attr
    if style:
        node["style"] = [[s, k, slot] for s, k, slot in style]
    return node


F, T = 1, 2


def button_entry(name):
    return entry(name, "qtbutton", [
        ("btnNormal", F, 0), ("btnHot", F, 1), ("btnPressed", F, 2), ("btnDisable", F, 3),
        ("btnText", T, 4), ("btnTextDisable", T, 7)])


def checkable_entry(name, typ, prefix, own_disabled):
    attr = {
        "iconPath": "images/%s_off.svg" % prefix, "hotIconPath": "images/%s_off_hot.svg" % prefix,
        "siconPath": "images/%s_on.svg" % prefix, "sHotIconPath": "images/%s_on_hot.svg" % prefix,
    }
    if typ == "qtradiobox":
        attr["iconX"] = 0
    if own_disabled:
        attr["disableIconPath"] = "images/%s_off_disable.svg" % prefix
        attr["disableSIconPath"] = "images/%s_on_disable.svg" % prefix
    return entry(name, typ, [
        ("empty", F, 0), ("empty", F, 4),
        ("checkText", T, 8), ("checkText", T, 9), ("checkTextDisable", T, 10)], attr)


def theme_entries(p):
    win_icon = {"iconUseColor": 1, "iconColor": "FF" + p["winBtnIcon"]}
    close_icon = {"iconUseColor": 1, "iconColor": "FF" + p["closeIcon"]}
    container = lambda name, normal, disable=None: entry(
        name, "qtcontainer", [(normal, F, 0)] + ([(disable, F, 1)] if disable else []))
    label = lambda name, style: entry(name, "qtlabel", [(style, T, 0), ("bodyTextDisable", T, 3)])
    items = [("empty", F, 2), ("itemHot", F, 3), ("itemSelected", F, 4), ("empty", F, 5),
             ("itemText", T, 6), ("itemText", T, 7), ("itemTextSelected", T, 8), ("itemTextDisable", T, 9)]
    scroll = lambda name, up, down: entry(name, "qtscrollbar", [
        ("scrollTrack", F, 0),
        ("scrollButton", F, 2), ("scrollButtonHot", F, 3), ("scrollButtonHot", F, 4), ("scrollButton", F, 5),
        ("scrollButton", F, 6), ("scrollButtonHot", F, 7), ("scrollButtonHot", F, 8), ("scrollButton", F, 9),
        ("scrollThumb", F, 10), ("scrollThumbHot", F, 11), ("scrollThumbPressed", F, 12),
        ("scrollThumbDisable", F, 13)],
        {"upicon": "images/%s.svg" % up, "downicon": "images/%s.svg" % down})
    nodes = [
        # Names the dashboard and its pages use.
        container("WindowsBg", "windowBg"),
        container("SidebarBg", "sidebarBg"),
        container("PromoBg", "promoBg"),
        container("DividerBg", "dividerBg"),
        container("CardBg", "cardBg"),
        container("PreviewCanvasBg", "previewCanvasBg"),
        container("NoteBg", "noteBg"),
        container("mainBkg", "mainBkg"),
        container("secondBkg", "secondBkg"),
        label("labTitle", "titleText"),
        # Spare label looks for pages that want a hierarchy that follows the theme.
        label("labHeading", "headingText"),
        label("labSubtitle", "subtitleText"),
        label("labBody", "bodyText"),
        label("labMuted", "mutedText"),
        label("labAccent", "accentText"),
        entry("WindowButtonBlue", "qtbutton", [
            ("winBtnNormal", F, 0), ("winBtnHot", F, 1), ("winBtnPressed", F, 2), ("winBtnNormal", F, 3),
            ("bodyText", T, 4)], win_icon),
        entry("WindowButtonClose", "qtbutton", [
            ("closeBtnNormal", F, 0), ("closeBtnHot", F, 1), ("closeBtnPressed", F, 2), ("closeBtnNormal", F, 3),
            ("bodyText", T, 4)], close_icon),
        # For the sidebar's push-like navigation radio buttons: styles only, so their icons stay.
        entry("NavButton", "qtradiobox", [
            ("empty", F, 0), ("navHot", F, 1), ("navHot", F, 2), ("empty", F, 3),
            ("navSelected", F, 4), ("navSelected", F, 5), ("navSelected", F, 6), ("navSelected", F, 7),
            ("navText", T, 8), ("navTextSelected", T, 9), ("bodyTextDisable", T, 10)]),
        scroll("qtscrollbarh", "arrow_left", "arrow_right"),
        # Every control type keyword.
        entry("qtcontainer", "qtcontainer"),
        button_entry("qtbutton"),
        label("qtlabel", "bodyText"),
        entry("qtlabelex", "qtlabelex", [("bodyText", T, 0), ("bodyTextDisable", T, 3)]),
        checkable_entry("qtcheckbox", "qtcheckbox", "check", True),
        checkable_entry("qtradiobox", "qtradiobox", "radio", False),
        entry("qtlistview", "qtlistview", [("listBg", F, 0), ("empty", F, 2), ("itemHot", F, 3),
                                           ("itemSelected", F, 4), ("empty", F, 5)]),
        entry("qtprogressbar", "qtprogressbar", [("progressBg", F, 0), ("progressFill", F, 2),
                                                 ("progressText", T, 4)]),
        entry("qtslider", "qtslider", [
            ("sliderTrack", F, 0), ("sliderFill", F, 2), ("sliderThumb", F, 4), ("sliderThumbHot", F, 5),
            ("sliderThumbPressed", F, 6), ("sliderThumbDisable", F, 7)],
            {"channelSize": 6, "thumbW": 18, "thumbH": 18}),
        entry("qtstackcontainer", "qtstackcontainer", [("panelBg", F, 0), ("panelBgDisable", F, 1)]),
        entry("qtspacer", "qtspacer"),
        entry("qttab", "qttab", [
            ("tabBar", F, 0), ("tabItem", F, 1), ("tabItemHot", F, 2), ("tabItemSelected", F, 3),
            ("tabItemDisable", F, 4), ("tabText", T, 5), ("tabText", T, 6), ("tabTextSelected", T, 7),
            ("tabTextDisable", T, 8)], {"itemSize": 96, "itemSpace": 2}),
        entry("qtdedit", "qtdedit", [
            ("inputNormal", F, 0), ("inputHot", F, 1), ("inputFocus", F, 2), ("inputDisable", F, 3),
            ("inputText", T, 4), ("inputTextDisable", T, 7), ("placeholderText", T, 9)],
            {"leftMargin": 8, "rightMargin": 8}),
        entry("qttext", "qttext", [
            ("inputNormal", F, 0), ("inputHot", F, 1), ("inputFocus", F, 2), ("inputDisable", F, 3),
            ("inputText", T, 4), ("inputTextDisable", T, 7), ("placeholderText", T, 8)],
            {"leftMargin": 6, "topMargin": 4, "rightMargin": 6, "bottomMargin": 4}),
        entry("qtcombobox", "qtcombobox", [
            ("inputNormal", F, 0), ("inputHot", F, 1), ("inputFocus", F, 2), ("inputDisable", F, 3),
            ("comboButton", F, 4), ("comboButtonHot", F, 5), ("comboButtonPressed", F, 6),
            ("comboButtonDisable", F, 7),
            ("comboText", T, 8), ("comboTextDisable", T, 11),
            ("popupBg", F, 12)] + [(s, k, slot + 11) for s, k, slot in items],
            {"btnIcon": "images/combo_arrow.svg", "btnHotIcon": "images/combo_arrow_hot.svg"}),
        entry("qtlist", "qtlist", [("listBg", F, 0)] + items),
        entry("qtgroupbox", "qtgroupbox", [("groupBg", F, 0), ("groupTitleText", T, 0)],
              {"size": 1, "color": "FF" + p["cardBorder"]}),
        entry("qtspinbox", "qtspinbox"),
        entry("qtlcdnumber", "qtlcdnumber", [("lcdBg", F, 0)], {"color": "FF" + p["lcdDigits"]}),
        entry("qtsplitter", "qtsplitter", [("dividerBg", F, 0)]),
        entry("qtswitch", "qtswitch", [
            ("switchBg", F, 0), ("switchThumb", F, 2), ("switchThumbHot", F, 3), ("switchThumbPressed", F, 4),
            ("switchThumbDisable", F, 5), ("switchThumbText", T, 6), ("switchText", T, 7)],
            {"margin": 2, "thumbW": 30, "thumbH": 30}),
        entry("qtscrollview", "qtscrollview", [("listBg", F, 0)]),
        scroll("qtscrollbar", "arrow_up", "arrow_down"),
        entry("qtpicture", "qtpicture"),
        entry("qtdatagrid", "qtdatagrid", [("listBg", F, 0)] + items + [
            ("headerBg", F, 10), ("headerText", T, 14)],
            {"itemHeight": 28, "checkedImg": "images/check_on.svg", "uncheckImg": "images/check_off.svg"}),
        entry("qttree", "qttree", [("listBg", F, 0)] + items, {"itemHeight": 26}),
        entry("qtmenubar", "qtmenubar", [
            ("menuBarBg", F, 0), ("menuItem", F, 1), ("menuItemHot", F, 2), ("menuItemPressed", F, 3),
            ("menuItem", F, 4), ("menuText", T, 5), ("menuTextHot", T, 6), ("menuTextHot", T, 7),
            ("menuTextDisable", T, 8), ("popupBg", F, 9), ("menuPopupItemHot", F, 10),
            ("menuPopupItemHot", F, 11), ("menuPopupItem", F, 12), ("menuPopupText", T, 13),
            ("menuPopupTextHot", T, 14), ("menuPopupTextHot", T, 15), ("itemTextDisable", T, 16)]),
        # Menus read style names from their own keys, not from "style".
        {"name": "qtmenu", "type": "qtmenu", "background": "popupBg", "item0": "menuPopupItem",
         "item1": "menuPopupItemHot", "item2": "menuPopupItemHot", "text0": "menuPopupText",
         "text1": "menuPopupTextHot", "text2": "menuPopupTextHot", "text3": "itemTextDisable"},
        entry("qtribbonbar", "qtribbonbar", [
            ("ribbonBar", F, 0), ("ribbonArea", F, 1), ("ribbonGroup", F, 2), ("ribbonSpare", F, 3),
            ("ribbonTab", F, 4), ("ribbonTabHot", F, 5), ("ribbonTabSelected", F, 6), ("ribbonTabDisable", F, 7),
            ("ribbonButton", F, 8), ("ribbonButtonHot", F, 9), ("ribbonButtonPressed", F, 10),
            ("ribbonButtonDisable", F, 11), ("ribbonTabText", T, 12), ("ribbonGroupText", T, 13),
            ("ribbonButtonText", T, 14), ("ribbonSpareText", T, 15)]),
    ]
    return {"elements": [{"type": "qtcontainer", "name": "theme", "attr": {"title": p["title"]},
                          "child": nodes}]}


# ---- Images: 16 x 16 indicators and arrows, drawn on a 16-unit grid ----

def svg(body, size=16):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n%s\n</svg>\n'
            % (size, size, size, size, body))


def check_svg(box, border, mark=None, width=1.2):
    rect = ('  <rect x="1.5" y="1.5" width="13" height="13" rx="3" fill="#%s" stroke="#%s" stroke-width="%s"/>'
            % (box, border, width))
    if mark is None:
        return svg(rect)
    tick = ('  <path d="M4.2 8.3 L6.9 11 L11.9 5.2" fill="none" stroke="#%s" stroke-width="2"'
            ' stroke-linecap="round" stroke-linejoin="round"/>' % mark)
    return svg(rect + "\n" + tick)


def radio_svg(face, border, dot=None, width=1.2):
    ring = ('  <circle cx="8" cy="8" r="6.5" fill="#%s" stroke="#%s" stroke-width="%s"/>' % (face, border, width))
    if dot is None:
        return svg(ring)
    return svg(ring + '\n  <circle cx="8" cy="8" r="3.2" fill="#%s"/>' % dot)


def arrow_svg(direction, colour):
    points = {
        "up": "4.5,10 8,6 11.5,10",
        "down": "4.5,6 8,10 11.5,6",
        "left": "10,4.5 6,8 10,11.5",
        "right": "6,4.5 10,8 6,11.5",
    }[direction]
    return svg('  <polyline points="%s" fill="none" stroke="#%s" stroke-width="1.8"'
               ' stroke-linecap="round" stroke-linejoin="round"/>' % (points, colour))


def images(p):
    return {
        "check_off.svg": check_svg(p["checkBox"], p["checkBorder"]),
        "check_off_hot.svg": check_svg(p["checkBox"], p["checkHot"], None, 1.6),
        "check_on.svg": check_svg(p["check"], p["check"], p["checkMark"]),
        "check_on_hot.svg": check_svg(p["accentHot"], p["accentHot"], p["checkMark"]),
        "check_off_disable.svg": check_svg(p["inputDisabled"], p["disabledMark"]),
        "check_on_disable.svg": check_svg(p["disabledMark"], p["disabledMark"], p["inputDisabled"]),
        "radio_off.svg": radio_svg(p["checkBox"], p["checkBorder"]),
        "radio_off_hot.svg": radio_svg(p["checkBox"], p["checkHot"], None, 1.6),
        "radio_on.svg": radio_svg(p["checkBox"], p["check"], p["check"], 1.6),
        "radio_on_hot.svg": radio_svg(p["checkBox"], p["accentHot"], p["accentHot"], 1.6),
        "combo_arrow.svg": arrow_svg("down", p["text2"]),
        "combo_arrow_hot.svg": arrow_svg("down", p["accent"]),
        "arrow_up.svg": arrow_svg("up", p["scrollArrow"]),
        "arrow_down.svg": arrow_svg("down", p["scrollArrow"]),
        "arrow_left.svg": arrow_svg("left", p["scrollArrow"]),
        "arrow_right.svg": arrow_svg("right", p["scrollArrow"]),
    }


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "themes")
    for name, palette in THEMES.items():
        folder = os.path.join(root, name)
        os.makedirs(os.path.join(folder, "images"), exist_ok=True)
        with open(os.path.join(folder, "style.json"), "w", encoding="utf-8") as f:
            json.dump({"style": styles(palette)}, f, indent=1)
            f.write("\n")
        with open(os.path.join(folder, "theme.json"), "w", encoding="utf-8") as f:
            json.dump(theme_entries(palette), f, indent=1)
            f.write("\n")
        for file_name, content in images(palette).items():
            with open(os.path.join(folder, "images", file_name), "w", encoding="utf-8") as f:
                f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main())
