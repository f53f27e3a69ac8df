<?xml version="1.0" encoding="utf-8"?>
<!-- A few of the rules' texts in English, for the tests of the windows' rule texts. -->
<!-- SPDX-FileCopyrightText: 2026 The Veloria developers -->
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>RuleTexts</name>
    <message>
        <source>Население удалось прокормить</source>
        <translation>The people were fed</translation>
    </message>
    <message numerus="yes">
        <source>В этом году родилось %1 детей.</source>
        <translation>
            <numerusform>This year%1 child was born.</numerusform>
            <numerusform>This year%1 children were born.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Возможно война! Готовтесь! По разведданным армия врага составляет %1 солдат!</source>
        <translation>
            <numerusform>War may come! Our scouts count%1 enemy soldier!</numerusform>
            <numerusform>War may come! Our scouts count%1 enemy soldiers!</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  год правления .</source>
        <translation>Year%1 of the reign</translation>
    </message>
    <message>
        <source>Хорошее</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Слава Королю! Вы победили!</source>
        <translation>Glory to the King! You have won!</translation>
    </message>
    <message>
        <source> Золота:  %1</source>
        <translation>Gold: %1</translation>
    </message>
    <message>
        <source>Поздравляю Вас Ваше Величество, Ваш рейтинг - %1</source>
        <translation>Congratulations, Your Majesty, your rating is%1</translation>
    </message>
    <message>
        <source>битва, %1 против %2: победа, захвачено %3</source>
        <translation>battle, %1 against %2: won, taken %3</translation>
    </message>
    <message>
        <source>золото %1</source>
        <translation>gold %1</translation>
    </message>
    <message>
        <source>конец правления, рейтинг %1</source>
        <translation>the reign is over, rating %1</translation>
    </message>
</context>
</TS>
