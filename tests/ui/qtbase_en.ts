<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts for the translation tests: the standard OK button, reworded so that a test
     can tell that Qt's translation was loaded with the game's. -->
<!-- SPDX-FileCopyrightText: 2026 The Veloria developers -->
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Okay</translation>
    </message>
</context>
</TS>
