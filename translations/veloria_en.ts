<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Насмотрелся</source>
        <extracomment>&quot;Seen enough&quot;: the tool tip of the box&apos;s OK.</extracomment>
        <translation>Seen enough</translation>
    </message>
    <message>
        <source>Сайт игры</source>
        <translation>The game&apos;s website</translation>
    </message>
    <message>
        <source>Написать письмо</source>
        <translation>Write a letter</translation>
    </message>
    <message>
        <source>                          Король Велории  v1.21</source>
        <extracomment>The game&apos;s name and version: the blanks in front centre it roughly in the box.</extracomment>
        <translation>                            King of Veloria  v1.21</translation>
    </message>
    <message>
        <source>Код и рисунки: мастера Велории</source>
        <extracomment>&quot;Code and drawings: the masters of Veloria&quot;.</extracomment>
        <translation>Code and art: the masters of Veloria</translation>
    </message>
</context>
<context>
    <name>ChronicleChart</name>
    <message>
        <source>,</source>
        <comment>decimal mark</comment>
        <extracomment>The decimal mark of the chart&apos;s short figures (&quot;12,3 млн&quot;).</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>%1 трлн</source>
        <extracomment>%1 trillion, with one decimal: the chart&apos;s scales are kept short.</extracomment>
        <translation>%1 tn</translation>
    </message>
    <message>
        <source>%1 млрд</source>
        <extracomment>%1 billion (thousand million), with one decimal.</extracomment>
        <translation>%1 bn</translation>
    </message>
    <message>
        <source>%1 млн</source>
        <extracomment>%1 million, with one decimal.</extracomment>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 тыс.</source>
        <extracomment>%1 thousand, with one decimal.</extracomment>
        <translation>%1 k</translation>
    </message>
    <message>
        <source>Население</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Рабочие</source>
        <translation>Workers</translation>
    </message>
    <message>
        <source>Солдаты</source>
        <translation>Soldiers</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Год %1 — %2: %3</source>
        <extracomment>The value under the pointer: the year, the series, the figure.</extracomment>
        <translation>Year %1 — %2: %3</translation>
    </message>
    <message>
        <source>Летопись пуста: первая запись появится, когда пройдёт год.</source>
        <translation>The chronicle is empty: its first entry appears when a year has passed.</translation>
    </message>
    <message>
        <source>Отметьте, что показывать.</source>
        <translation>Tick what to show.</translation>
    </message>
</context>
<context>
    <name>ChronicleFile</name>
    <message>
        <source>запись обрывается</source>
        <extracomment>What is wrong with a record of the chronicle; it follows &quot;заголовок: &quot; or &quot;запись 3: &quot;. So do the two below.</extracomment>
        <translation>the record breaks off</translation>
    </message>
    <message>
        <source>после текста нет запятой</source>
        <translation>no comma follows a text</translation>
    </message>
    <message>
        <source>в записи больше %1 полей</source>
        <translation>the record has more than %1 fields</translation>
    </message>
    <message>
        <source>заголовок: %1</source>
        <extracomment>Why the chronicle cannot be read; %1: what is wrong with its header record. This and the reasons below go into &quot;…прочитать не удалось (%1)…&quot;.</extracomment>
        <translation>header: %1</translation>
    </message>
    <message>
        <source>после записи игры идёт что-то другое</source>
        <translation>something else follows the game&apos;s record</translation>
    </message>
    <message>
        <source>она записана другой версией игры</source>
        <translation>it was written by another version of the game</translation>
    </message>
    <message>
        <source>в заголовке неверное число записей</source>
        <translation>the header gives a wrong number of records</translation>
    </message>
    <message>
        <source>запись %1: %2</source>
        <extracomment>%1: the record&apos;s number; %2: what is wrong with it.</extracomment>
        <translation>record %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>она обрывается: прочитано %1 записей из %n</source>
        <extracomment>%1 of the %n records the header promises were read.</extracomment>
        <translation>
            <numerusform>it breaks off: %1 of %n record read</numerusform>
            <numerusform>it breaks off: %1 of %n records read</numerusform>
        </translation>
    </message>
    <message>
        <source>поле %1 — не число</source>
        <extracomment>%1: the field&apos;s number.</extracomment>
        <translation>field %1 is not a number</translation>
    </message>
    <message>
        <source>поле %1 — не текст</source>
        <translation>field %1 is not a text</translation>
    </message>
    <message>
        <source>после последней записи есть лишние данные</source>
        <translation>extra data follows the last record</translation>
    </message>
    <message>
        <source>Игра загружена, но летопись правления прочитать не удалось (%1). Летопись начнётся заново с загруженного года.</source>
        <extracomment>%1: why the chronicle could not be read.</extracomment>
        <translation>The game has been loaded, but the chronicle of the reign could not be read (%1). The chronicle will begin afresh with the year loaded.</translation>
    </message>
</context>
<context>
    <name>ChronicleSpeech</name>
    <message>
        <source>Летопись по годам</source>
        <translation>The chronicle year by year</translation>
    </message>
    <message>
        <source>Строка — год; стрелки, Page Up, Page Down, Home и End выбирают год, его доклад — ниже.</source>
        <translation>A row is a year; the arrow keys, Page Up, Page Down, Home and End choose a year, and its report is below.</translation>
    </message>
    <message>
        <source>Доклад выбранного года</source>
        <translation>The report of the chosen year</translation>
    </message>
    <message>
        <source>График летописи</source>
        <translation>The chronicle&apos;s chart</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One figure of a year&apos;s row: the column&apos;s title in lower case, then its figure.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>A year&apos;s row as a screen reader reads it: &quot;Год 12: рабочие 300, солдаты 40, ...&quot;.</extracomment>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Летопись пуста.</source>
        <translation>The chronicle is empty.</translation>
    </message>
    <message>
        <source>%1: годы с %2 по %3, от %4 до %5</source>
        <extracomment>A series of the chart: its name, its first and last year, its lowest and highest value.</extracomment>
        <translation>%1: years %2 to %3, from %4 to %5</translation>
    </message>
    <message>
        <source>Не показано ни одного ряда.</source>
        <translation>No series is shown.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ChronicleTable</name>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Рабочие</source>
        <translation>Workers</translation>
    </message>
    <message>
        <source>Солдаты</source>
        <translation>Soldiers</translation>
    </message>
    <message>
        <source>Всего</source>
        <extracomment>The population: workers and soldiers.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Золото</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Нефть</source>
        <translation>Oil</translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Events</translation>
    </message>
</context>
<context>
    <name>ChronicleWindow</name>
    <message>
        <source>Летопись</source>
        <extracomment>The chronicle of the reign.</extracomment>
        <translation>Chronicle</translation>
    </message>
    <message>
        <source>&amp;Таблица</source>
        <extracomment>The page with the chronicle&apos;s table (not the table of the best kings).</extracomment>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>&amp;График</source>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Скопировать таблицу для электронной таблицы (Ctrl+C)</source>
        <translation>Copy the table for a spreadsheet (Ctrl+C)</translation>
    </message>
    <message>
        <source>Страницы летописи</source>
        <extracomment>The chronicle window&apos;s two pages, as a screen reader names them.</extracomment>
        <translation>The chronicle&apos;s pages</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>нет прав на запись</source>
        <extracomment>Why a file could not be written: it follows &quot;Не удалось записать файл «…»: &quot;, and a full stop ends it. So do the reasons below.</extracomment>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>на диске не хватает места</source>
        <translation>not enough space on the disk</translation>
    </message>
    <message>
        <source>ошибка записи на диск</source>
        <translation>an error writing to the disk</translation>
    </message>
    <message>
        <source>старый файл не удалось заменить</source>
        <translation>the old file could not be replaced</translation>
    </message>
    <message>
        <source>файл не удаётся создать</source>
        <translation>the file cannot be created</translation>
    </message>
    <message>
        <source>файловая система отказала в записи</source>
        <translation>the file system refused to write</translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>файл превысил разрешённый ему размер</source>
        <translation>the file has grown beyond the size allowed to it</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation>an input/output error on the disk</translation>
    </message>
    <message>
        <source>имя файла слишком длинное для этой файловой системы</source>
        <extracomment>Why a file cannot be reached: it follows &quot;Не удалось открыть файл «…»: &quot; or &quot;Не удалось записать файл «…»: &quot;, and a full stop ends it.</extracomment>
        <translation>the file name is too long for this file system</translation>
    </message>
    <message>
        <source>нет доступа к папке %1</source>
        <translation>no access to the folder %1</translation>
    </message>
    <message>
        <source>символические ссылки в пути замыкаются в петлю</source>
        <translation>the symbolic links in the path go round in a loop</translation>
    </message>
    <message>
        <source>Файл %1 слишком велик: в нём больше 1 МБ.</source>
        <translation>The file %1 is too large: it holds more than 1 MB.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>A file&apos;s name as the messages quote it.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Не указано имя файла.</source>
        <translation>No file name is given.</translation>
    </message>
    <message>
        <source>Файл %1 не найден.</source>
        <translation>The file %1 was not found.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2.</source>
        <translation>The file %1 could not be opened: %2.</translation>
    </message>
    <message>
        <source>%1 — это папка, а не файл.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 — не обычный файл.</source>
        <translation>%1 is not an ordinary file.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: нет прав на чтение.</source>
        <translation>The file %1 could not be opened: no permission to read it.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1.</source>
        <translation>The file %1 could not be opened.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: </source>
        <extracomment>The start of a message: the reason follows the blank.</extracomment>
        <translation>The file %1 could not be written: </translation>
    </message>
    <message>
        <source>под этим именем уже есть папка.</source>
        <translation>there is a folder of that name already.</translation>
    </message>
    <message>
        <source>папки %1 нет.</source>
        <translation>there is no folder %1.</translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство или канал.</source>
        <translation>it is not an ordinary file but a device or a pipe.</translation>
    </message>
    <message>
        <source>файл защищён от записи.</source>
        <translation>the file is protected against writing.</translation>
    </message>
    <message>
        <source>нет прав на запись в папку %1.</source>
        <translation>no permission to write into the folder %1.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Диск</source>
        <extracomment>The list of the mounted volumes in the save and load dialogs.</extracomment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Папки</source>
        <extracomment>The list of folders in the save and load dialogs.</extracomment>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Файлы игр</source>
        <extracomment>The list of saved games (&quot;.txt&quot; files) in the chosen folder.</extracomment>
        <translation>Saved games</translation>
    </message>
    <message>
        <source>Имя файла</source>
        <extracomment>The box for the saved game&apos;s file name, without &quot;.txt&quot;.</extracomment>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>Загрузить</source>
        <extracomment>The title of the message, as the load dialog&apos;s messages have it: &quot;Load&quot;.</extracomment>
        <translation>Load</translation>
    </message>
</context>
<context>
    <name>GoodsPanel</name>
    <message>
        <source>Золото</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Нефть</source>
        <translation>Oil</translation>
    </message>
    <message>
        <source>купить</source>
        <translation>buy</translation>
    </message>
    <message>
        <source>продать</source>
        <translation>sell</translation>
    </message>
    <message>
        <source>max:</source>
        <translation>max:</translation>
    </message>
    <message>
        <source>Полоса покупки золота</source>
        <extracomment>The scroll bar that chooses how much gold to buy.</extracomment>
        <translation>Gold buying bar</translation>
    </message>
    <message>
        <source>Полоса продажи золота</source>
        <translation>Gold selling bar</translation>
    </message>
    <message>
        <source>Купить золото по полосе</source>
        <extracomment>The button that buys the amount chosen on the bar.</extracomment>
        <translation>Buy gold by the bar</translation>
    </message>
    <message>
        <source>Продать золото по полосе</source>
        <translation>Sell gold by the bar</translation>
    </message>
    <message>
        <source>Купить золото: введённое количество</source>
        <extracomment>The button that buys the amount typed into the box beside it.</extracomment>
        <translation>Buy gold: the amount typed</translation>
    </message>
    <message>
        <source>Продать золото: введённое количество</source>
        <translation>Sell gold: the amount typed</translation>
    </message>
    <message>
        <source>Количество золота</source>
        <extracomment>The box where the amount to trade is typed.</extracomment>
        <translation>Amount of gold</translation>
    </message>
    <message>
        <source>Полоса покупки земли</source>
        <translation>Land buying bar</translation>
    </message>
    <message>
        <source>Полоса продажи земли</source>
        <translation>Land selling bar</translation>
    </message>
    <message>
        <source>Купить землю по полосе</source>
        <translation>Buy land by the bar</translation>
    </message>
    <message>
        <source>Продать землю по полосе</source>
        <translation>Sell land by the bar</translation>
    </message>
    <message>
        <source>Купить землю: введённое количество</source>
        <translation>Buy land: the amount typed</translation>
    </message>
    <message>
        <source>Продать землю: введённое количество</source>
        <translation>Sell land: the amount typed</translation>
    </message>
    <message>
        <source>Количество земли</source>
        <translation>Amount of land</translation>
    </message>
    <message>
        <source>Полоса покупки зерна</source>
        <translation>Grain buying bar</translation>
    </message>
    <message>
        <source>Полоса продажи зерна</source>
        <translation>Grain selling bar</translation>
    </message>
    <message>
        <source>Купить зерно по полосе</source>
        <translation>Buy grain by the bar</translation>
    </message>
    <message>
        <source>Продать зерно по полосе</source>
        <translation>Sell grain by the bar</translation>
    </message>
    <message>
        <source>Купить зерно: введённое количество</source>
        <translation>Buy grain: the amount typed</translation>
    </message>
    <message>
        <source>Продать зерно: введённое количество</source>
        <translation>Sell grain: the amount typed</translation>
    </message>
    <message>
        <source>Количество зерна</source>
        <translation>Amount of grain</translation>
    </message>
    <message>
        <source>Полоса покупки нефти</source>
        <translation>Oil buying bar</translation>
    </message>
    <message>
        <source>Полоса продажи нефти</source>
        <translation>Oil selling bar</translation>
    </message>
    <message>
        <source>Купить нефть по полосе</source>
        <translation>Buy oil by the bar</translation>
    </message>
    <message>
        <source>Продать нефть по полосе</source>
        <translation>Sell oil by the bar</translation>
    </message>
    <message>
        <source>Купить нефть: введённое количество</source>
        <translation>Buy oil: the amount typed</translation>
    </message>
    <message>
        <source>Продать нефть: введённое количество</source>
        <translation>Sell oil: the amount typed</translation>
    </message>
    <message>
        <source>Количество нефти</source>
        <translation>Amount of oil</translation>
    </message>
    <message>
        <source>%1, цена %2, купить можно до %3</source>
        <extracomment>Spoken with each control of a goods panel in buy mode. %1: the frame&apos;s caption, the good and its stock (&quot;Золото: 26&quot;); %2: the price; %3: the most the treasury can buy.</extracomment>
        <translation>%1, price %2, you can buy up to %3</translation>
    </message>
    <message>
        <source>%1, цена %2, продать можно до %3</source>
        <extracomment>The same in sell mode; %3: the most that can be sold.</extracomment>
        <translation>%1, price %2, you can sell up to %3</translation>
    </message>
</context>
<context>
    <name>HallOfFameWindow</name>
    <message>
        <source>Таблица</source>
        <extracomment>The window of the table of the best kings.</extracomment>
        <translation>Best Kings</translation>
    </message>
    <message>
        <source>Таблица результатов</source>
        <translation>The table of the best kings</translation>
    </message>
    <message>
        <source>         Лучшие из лучших</source>
        <extracomment>&quot;The best of the best&quot;: the blanks in front centre it roughly over the table.</extracomment>
        <translation>          The best of the best</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <extracomment>A row of the table of the best kings as a screen reader speaks it: %1 the place, %2 the king&apos;s name, %3 the score.</extracomment>
        <translation>%1. %2: %3</translation>
    </message>
</context>
<context>
    <name>HelpSystem</name>
    <message>
        <source>ru</source>
        <comment>language code of this translation</comment>
        <extracomment>The code of the language of this translation (en, de, fr...): the rules are shown from the help file throne_&lt;code&gt;.hlp.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Справка</source>
        <extracomment>The help viewer&apos;s caption while the rules file gives it none.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>В файле справки нет раздела номер %1.</source>
        <extracomment>%1: the topic&apos;s context number.</extracomment>
        <translation>The help file has no topic number %1.</translation>
    </message>
    <message>
        <source>Справка не знает такой просьбы (код %1).</source>
        <extracomment>%1: the code of the help command the game asked for.</extracomment>
        <translation>The help does not know this request (code %1).</translation>
    </message>
    <message>
        <source>Файл справки не указан: справка для этого раздела не предусмотрена.</source>
        <translation>No help file is named: there is no help for this.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл справки «%1». Возможно, игра установлена не полностью.</source>
        <extracomment>%1: the path of the help file.</extracomment>
        <translation>The help file “%1” could not be opened. Perhaps the game is not fully installed.</translation>
    </message>
    <message>
        <source>Файл справки «%1» слишком велик, чтобы быть справкой этой игры.</source>
        <translation>The help file “%1” is too large to be this game&apos;s help.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл справки «%1».</source>
        <translation>The help file “%1” could not be read.</translation>
    </message>
    <message>
        <source>В файле справки нет раздела «%1». Выберите раздел в содержании.</source>
        <extracomment>%1: the keyword the game looked for.</extracomment>
        <translation>The help file has no topic “%1”. Choose a topic from the contents.</translation>
    </message>
    <message>
        <source>Текст правил</source>
        <extracomment>The pane that shows the text of the rules, as a screen reader names it.</extracomment>
        <translation>The text of the rules</translation>
    </message>
</context>
<context>
    <name>LoadDialog</name>
    <message>
        <source>Загрузить отложеную игру</source>
        <extracomment>&quot;Load a game put aside&quot;, misspelt (&quot;отложеную&quot;) in the game&apos;s own Russian.</extracomment>
        <translation>Load a saved game</translation>
    </message>
    <message>
        <source>&amp;Загрузить</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Load the game</translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Отменить загрузку</source>
        <translation>Do not load</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>The title of the load dialog&apos;s messages: &quot;Load&quot;.</extracomment>
        <translation>Load</translation>
    </message>
    <message>
        <source>Не указано имя файла</source>
        <translation>No file name is given</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Король &quot;Велории&quot;</source>
        <extracomment>The caption before a reign starts: the king of &quot;Veloria&quot;, the country word in quotes.</extracomment>
        <translation>King of &quot;Veloria&quot;</translation>
    </message>
    <message>
        <source>Покупка</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>Купить что-нибуть</source>
        <extracomment>&quot;Buy something&quot;, misspelt (&quot;-нибуть&quot;) in the game&apos;s own Russian.</extracomment>
        <translation>Buy something</translation>
    </message>
    <message>
        <source>Продажа</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>Продать что-нибудь</source>
        <translation>Sell something</translation>
    </message>
    <message>
        <source>Наёмники</source>
        <translation>Mercenaries</translation>
    </message>
    <message>
        <source>Нанять наёмников</source>
        <translation>Hire mercenaries</translation>
    </message>
    <message>
        <source>Дальше</source>
        <extracomment>The button that lives through the year (&quot;Next&quot;).</extracomment>
        <translation>Next</translation>
    </message>
    <message>
        <source>Дальше</source>
        <comment>tool tip</comment>
        <translation>Next</translation>
    </message>
    <message>
        <source>1   год правления</source>
        <extracomment>Design text only: the year label is written anew at once.</extracomment>
        <translation>Year 1 of the reign</translation>
    </message>
    <message>
        <source>Король Велории, 2026: наша игра</source>
        <translation>King of Veloria, 2026: our game</translation>
    </message>
    <message>
        <source>Цена: %1</source>
        <extracomment>%1: the price, in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation>Price:%1</translation>
    </message>
    <message>
        <source>max: %1</source>
        <extracomment>The bar&apos;s limit; %1 in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation>max:%1</translation>
    </message>
    <message>
        <source>Покупайте!</source>
        <translation>Time to buy!</translation>
    </message>
    <message>
        <source>Продавайте!</source>
        <translation>Time to sell!</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>Save the game (the menu item).</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>Load a saved game (the menu item).</extracomment>
        <translation>Load</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Таблица</source>
        <extracomment>The table of the best kings.</extracomment>
        <translation>&amp;Best Kings</translation>
    </message>
    <message>
        <source>&amp;Летопись</source>
        <translation>&amp;Chronicle</translation>
    </message>
    <message>
        <source>&amp;Правила</source>
        <extracomment>The rules of the game, in the help viewer.</extracomment>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>MercenaryPanel</name>
    <message>
        <source>Наёмники</source>
        <translation>Mercenaries</translation>
    </message>
    <message>
        <source>нанять</source>
        <translation>hire</translation>
    </message>
    <message>
        <source>max:</source>
        <translation>max:</translation>
    </message>
    <message>
        <source>Наёмники </source>
        <extracomment>The panel&apos;s caption once opened: the game writes it with a blank at the end.</extracomment>
        <translation>Mercenaries</translation>
    </message>
    <message>
        <source>Цена : %1</source>
        <extracomment>A mercenary&apos;s price; %1 in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation>Price:%1</translation>
    </message>
    <message>
        <source>max :%1</source>
        <extracomment>The bar&apos;s limit; %1 in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation>max:%1</translation>
    </message>
    <message>
        <source>Полоса найма наёмников</source>
        <extracomment>The scroll bar that chooses how many mercenaries to hire.</extracomment>
        <translation>Mercenary hiring bar</translation>
    </message>
    <message>
        <source>Нанять наёмников по полосе</source>
        <extracomment>The button that hires as many as the bar shows.</extracomment>
        <translation>Hire mercenaries by the bar</translation>
    </message>
    <message>
        <source>Нанять наёмников: введённое количество</source>
        <extracomment>The button that hires as many as are typed into the box beside it.</extracomment>
        <translation>Hire mercenaries: the number typed</translation>
    </message>
    <message>
        <source>Количество наёмников</source>
        <extracomment>The box where the number of mercenaries to hire is typed.</extracomment>
        <translation>Number of mercenaries</translation>
    </message>
    <message>
        <source>%1, нанять можно до %2</source>
        <extracomment>Spoken with each control of the mercenaries panel. %1: the price label as shown (&quot;Цена : 100&quot;); %2: the most mercenaries the treasury pays for.</extracomment>
        <translation>%1, you can hire up to %2</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source> Король Велории</source>
        <extracomment>The game&apos;s name, with the blank in front that the game gives it here.</extracomment>
        <translation> King of Veloria</translation>
    </message>
    <message>
        <source>Ваше имя?</source>
        <translation>Your name?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Прошёл год</source>
        <extracomment>The report panel: &quot;A year has passed&quot;.</extracomment>
        <translation>A year has passed</translation>
    </message>
    <message>
        <source>Война</source>
        <translation>War</translation>
    </message>
    <message>
        <source>Вы</source>
        <extracomment>The king&apos;s portrait in the war panel: &quot;You&quot;.</extracomment>
        <translation>You</translation>
    </message>
    <message>
        <source>Ваша армия</source>
        <translation>Your army</translation>
    </message>
    <message>
        <source>Враги</source>
        <translation>Enemies</translation>
    </message>
    <message>
        <source>Вражеский военачальник</source>
        <translation>The enemy commander</translation>
    </message>
    <message>
        <source>Захвачено:</source>
        <extracomment>Design text only: the battle&apos;s outcome writes its own heading here.</extracomment>
        <translation>Trophies:</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>&quot;Had enough of war&quot;: the tool tip of the battle&apos;s OK.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Навоевался</source>
        <translation>Had enough of war</translation>
    </message>
</context>
<context>
    <name>ReportView</name>
    <message>
        <source>Выберите год, чтобы прочитать его доклад.</source>
        <translation>Choose a year to read its report.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>Население удалось прокормить</source>
        <translation>The people have been fed</translation>
    </message>
    <message>
        <source>Население не удалось прокормить</source>
        <translation>The people could not be fed</translation>
    </message>
    <message>
        <source>Всем досталась земля</source>
        <translation>There was land for everyone</translation>
    </message>
    <message>
        <source>Земля досталась не всем</source>
        <translation>There was not land for everyone</translation>
    </message>
    <message>
        <source>В этом году засеяли всю территорию земли</source>
        <translation>This year all the land was sown</translation>
    </message>
    <message>
        <source>В этом году ничего не засеяли</source>
        <translation>This year nothing was sown</translation>
    </message>
    <message>
        <source>В этом году засеяли часть территории земли</source>
        <translation>This year part of the land was sown</translation>
    </message>
    <message>
        <source>Настроение населения улучшилось, народ болеет за Вас</source>
        <translation>The people&apos;s mood has improved: they are on your side</translation>
    </message>
    <message>
        <source>Настроение населения ухудшилось, народ недоволен Вами</source>
        <translation>The people&apos;s mood has worsened: they are displeased with you</translation>
    </message>
    <message>
        <source>Собран урожай</source>
        <translation>A harvest was gathered</translation>
    </message>
    <message>
        <source>Был собран хороший урожай</source>
        <translation>A good harvest was gathered</translation>
    </message>
    <message>
        <source>Был собран отличный урожай</source>
        <translation>An excellent harvest was gathered</translation>
    </message>
    <message>
        <source>Крысы сожрали чась урожая</source>
        <translation>Rats devoured part of the harvest</translation>
    </message>
    <message>
        <source>Наводнение уничтожило чась урожая</source>
        <translation>A flood destroyed part of the harvest</translation>
    </message>
    <message>
        <source>Из-за сильного пожара, весь урожай сгорел</source>
        <translation>A great fire burnt the whole harvest</translation>
    </message>
    <message numerus="yes">
        <source>В этом году родилось %1 детей.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation>
            <numerusform>This year%1 child was born.</numerusform>
            <numerusform>This year%1 children were born.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>В этом году умерло %1 человек.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation>
            <numerusform>This year%1 person died.</numerusform>
            <numerusform>This year%1 people died.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваша армия пополнинилась %1 солдатами.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation>
            <numerusform>Your army has grown by%1 soldier.</numerusform>
            <numerusform>Your army has grown by%1 soldiers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Из Вашей армии сбежало %1 солдат.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation>
            <numerusform>Your army has lost%1 soldier to desertion.</numerusform>
            <numerusform>Your army has lost%1 soldiers to desertion.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Возможно война! Готовтесь! По разведданным армия врага составляет %1 солдат!</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation>
            <numerusform>War may be coming! Make ready! Our scouts put the enemy&apos;s army at%1 soldier!</numerusform>
            <numerusform>War may be coming! Make ready! Our scouts put the enemy&apos;s army at%1 soldiers!</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  год правления .</source>
        <extracomment>%1 is the year as the game writes it, with a blank before it.</extracomment>
        <translation>Year%1 of the reign</translation>
    </message>
    <message>
        <source>Господин президент! Прибыл Ваш помощник с докладом!</source>
        <translation>Mister President! Your aide has come with his report!</translation>
    </message>
    <message>
        <source>Золото: </source>
        <translation>Gold: </translation>
    </message>
    <message>
        <source>Земля: </source>
        <translation>Land: </translation>
    </message>
    <message>
        <source>Зерно: </source>
        <translation>Grain: </translation>
    </message>
    <message>
        <source>Нефть: </source>
        <translation>Oil: </translation>
    </message>
    <message>
        <source>народ голодал</source>
        <translation>the people went hungry</translation>
    </message>
    <message>
        <source>земли хватило не всем</source>
        <translation>not enough land for everyone</translation>
    </message>
    <message>
        <source>поля не засеяны</source>
        <translation>the fields were not sown</translation>
    </message>
    <message>
        <source>хороший урожай</source>
        <translation>a good harvest</translation>
    </message>
    <message>
        <source>отличный урожай</source>
        <translation>an excellent harvest</translation>
    </message>
    <message>
        <source>крысы съели часть урожая</source>
        <translation>rats ate part of the harvest</translation>
    </message>
    <message>
        <source>наводнение погубило часть урожая</source>
        <translation>a flood ruined part of the harvest</translation>
    </message>
    <message>
        <source>пожар: весь урожай сгорел</source>
        <translation>fire: the whole harvest burnt</translation>
    </message>
    <message>
        <source>собран урожай</source>
        <translation>a harvest gathered</translation>
    </message>
    <message>
        <source>урожая нет</source>
        <translation>no harvest</translation>
    </message>
    <message>
        <source>родилось детей: %1</source>
        <translation>children born: %1</translation>
    </message>
    <message>
        <source>умерло людей: %1</source>
        <translation>people died: %1</translation>
    </message>
    <message>
        <source>пришло в армию: %1</source>
        <translation>joined the army: %1</translation>
    </message>
    <message>
        <source>сбежало из армии: %1</source>
        <translation>deserted the army: %1</translation>
    </message>
    <message>
        <source>объявлена война, армия врага: %1</source>
        <translation>war declared, the enemy&apos;s army: %1</translation>
    </message>
    <message>
        <source>не осталось ни одного рабочего: страна вымерла</source>
        <translation>not a worker left: the country has died out</translation>
    </message>
    <message>
        <source>конец правления, рейтинг %1</source>
        <translation>the end of the reign, rating %1</translation>
    </message>
    <message>
        <source>пятый год недовольства: народ сверг короля</source>
        <translation>the fifth year of discontent: the people overthrew the king</translation>
    </message>
    <message>
        <source>рейтинг упал до 1: народ сверг короля</source>
        <translation>the rating fell to 1: the people overthrew the king</translation>
    </message>
    <message>
        <source>битва, %1 против %2: победа, захвачено %3</source>
        <extracomment>%1 and %2 are the king&apos;s and the enemy&apos;s armies, %3 the list of what was taken.</extracomment>
        <translation>battle, %1 against %2: victory, captured %3</translation>
    </message>
    <message>
        <source>битва, %1 против %2: ничья, обе армии погибли</source>
        <extracomment>%1 and %2 are the king&apos;s and the enemy&apos;s armies.</extracomment>
        <translation>battle, %1 against %2: a draw, both armies perished</translation>
    </message>
    <message>
        <source>битва, %1 против %2: поражение, потеряно %3</source>
        <extracomment>%1 and %2 are the king&apos;s and the enemy&apos;s armies, %3 the list of what was lost.</extracomment>
        <translation>battle, %1 against %2: defeat, lost %3</translation>
    </message>
    <message>
        <source>золото %1</source>
        <translation>gold %1</translation>
    </message>
    <message>
        <source>земля %1</source>
        <translation>land %1</translation>
    </message>
    <message>
        <source>зерно %1</source>
        <translation>grain %1</translation>
    </message>
    <message>
        <source>нефть %1</source>
        <translation>oil %1</translation>
    </message>
    <message>
        <source>солдаты %1</source>
        <translation>soldiers %1</translation>
    </message>
    <message>
        <source>рабочие %1</source>
        <translation>workers %1</translation>
    </message>
    <message>
        <source>деньги %1</source>
        <translation>money %1</translation>
    </message>
    <message>
        <source>ничего</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>Чтобы начать игру заново, нажмите OK!</source>
        <extracomment>The second line of the overthrow and starvation messages, set in by 23 blanks to stand roughly under the middle of the first line: blanks in front of a translation set it in further.</extracomment>
        <translation>                 Press OK to begin a new game!</translation>
    </message>
    <message>
        <source>Ну, что же, Вы на славу поиздевались над своим народом и были свергнуты народом с трона!</source>
        <translation>Well then! You have had your fill of tormenting your people, and they have cast you off the throne!</translation>
    </message>
    <message>
        <source>Вы уморили голодом всю страну и были свергнуты народом с трона!</source>
        <translation>You have starved the whole country, and the people have cast you off the throne!</translation>
    </message>
    <message>
        <source>Поздравляю Вас Ваше Величество, Ваш рейтинг - %1</source>
        <extracomment>%1 is the rating as the game writes it, with a blank before it unless it is negative.</extracomment>
        <translation>Congratulations, Your Majesty! Your rating is%1</translation>
    </message>
    <message>
        <source>Поищите себя в таблице лучших королей!</source>
        <translation>Look for yourself among the Best Kings!</translation>
    </message>
    <message>
        <source>Король Велории - </source>
        <translation>King of Veloria - </translation>
    </message>
    <message>
        <source>Плохое</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Неплохое</source>
        <translation>Not bad</translation>
    </message>
    <message>
        <source>Хорошее</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Отличное</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Вас Боготворят</source>
        <translation>They adore you</translation>
    </message>
    <message>
        <source> Золота:  %1</source>
        <extracomment>The first of the seven lines of trophies or losses, four in one box and three in the other; the blanks line up the figures of a box (%1 starts with a blank of its own).</extracomment>
        <translation> Gold:      %1</translation>
    </message>
    <message>
        <source>  Земли:   %1</source>
        <translation>  Land:    %1</translation>
    </message>
    <message>
        <source>  Зерна:   %1</source>
        <translation>  Grain:   %1</translation>
    </message>
    <message>
        <source>  Нефти:  %1</source>
        <translation>  Oil:        %1</translation>
    </message>
    <message>
        <source> Солдат:   %1</source>
        <translation> Soldiers:  %1</translation>
    </message>
    <message>
        <source>  Рабочих: %1</source>
        <translation>  Workers:%1</translation>
    </message>
    <message>
        <source>  Денег:    %1</source>
        <translation>  Money:   %1</translation>
    </message>
    <message>
        <source>Слава Королю! Вы победили!</source>
        <translation>Glory to the King! You have won!</translation>
    </message>
    <message>
        <source>Битва не выявила победителей!</source>
        <translation>Neither side won the battle!</translation>
    </message>
    <message>
        <source>              Вы проиграли битву!</source>
        <extracomment>The blanks in front set it roughly in the middle of the war panel.</extracomment>
        <translation>             You have lost the battle!</translation>
    </message>
    <message>
        <source>Захвачено:</source>
        <translation>Trophies:</translation>
    </message>
    <message>
        <source>Потеряно:</source>
        <translation>Losses:</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Save the game</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Отменить сохранение</source>
        <translation>Do not save</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <extracomment>The title of the save dialog&apos;s messages: &quot;Saving&quot;.</extracomment>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Не указано имя файла</source>
        <translation>No file name is given</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>цена золота</source>
        <extracomment>The name of a field of the saved game, in messages such as &quot;поле 1 (цена золота)&quot;. So are the names that follow.</extracomment>
        <translation>price of gold</translation>
    </message>
    <message>
        <source>цена земли</source>
        <translation>price of land</translation>
    </message>
    <message>
        <source>цена зерна</source>
        <translation>price of grain</translation>
    </message>
    <message>
        <source>цена нефти</source>
        <translation>price of oil</translation>
    </message>
    <message>
        <source>рабочие</source>
        <translation>workers</translation>
    </message>
    <message>
        <source>солдаты</source>
        <translation>soldiers</translation>
    </message>
    <message>
        <source>цена наёмника</source>
        <translation>price of a mercenary</translation>
    </message>
    <message>
        <source>запасное значение 3</source>
        <translation>spare value 3</translation>
    </message>
    <message>
        <source>запасное значение 4</source>
        <translation>spare value 4</translation>
    </message>
    <message>
        <source>запасное значение 5</source>
        <translation>spare value 5</translation>
    </message>
    <message>
        <source>запасное значение 6</source>
        <translation>spare value 6</translation>
    </message>
    <message>
        <source>запасное значение 7</source>
        <translation>spare value 7</translation>
    </message>
    <message>
        <source>запасное значение 8</source>
        <translation>spare value 8</translation>
    </message>
    <message>
        <source>казна</source>
        <translation>treasury</translation>
    </message>
    <message>
        <source>сумма сделки</source>
        <translation>sum of the trade</translation>
    </message>
    <message>
        <source>рост армии</source>
        <translation>army growth</translation>
    </message>
    <message>
        <source>настроение</source>
        <translation>mood</translation>
    </message>
    <message>
        <source>запасное значение 1</source>
        <translation>spare value 1</translation>
    </message>
    <message>
        <source>народ накормлен</source>
        <translation>people fed</translation>
    </message>
    <message>
        <source>земли хватило</source>
        <translation>land for everyone</translation>
    </message>
    <message>
        <source>посев</source>
        <translation>sowing</translation>
    </message>
    <message>
        <source>годы недовольства</source>
        <translation>years of discontent</translation>
    </message>
    <message>
        <source>посев для урожая</source>
        <translation>sowing for the harvest</translation>
    </message>
    <message>
        <source>запасное значение 2</source>
        <translation>spare value 2</translation>
    </message>
    <message>
        <source>год</source>
        <translation>year</translation>
    </message>
    <message>
        <source>последний мирный год</source>
        <translation>last year of peace</translation>
    </message>
    <message>
        <source>армия врага</source>
        <translation>the enemy&apos;s army</translation>
    </message>
    <message>
        <source>годы до битвы</source>
        <translation>years to the battle</translation>
    </message>
    <message>
        <source>запасное значение 9</source>
        <translation>spare value 9</translation>
    </message>
    <message>
        <source>население</source>
        <translation>population</translation>
    </message>
    <message>
        <source>нужное зерно</source>
        <translation>grain needed</translation>
    </message>
    <message>
        <source>отчёт</source>
        <translation>report</translation>
    </message>
    <message>
        <source>урожай</source>
        <translation>harvest</translation>
    </message>
    <message>
        <source>продажа золота</source>
        <translation>gold selling bar</translation>
    </message>
    <message>
        <source>продажа земли</source>
        <translation>land selling bar</translation>
    </message>
    <message>
        <source>продажа зерна</source>
        <translation>grain selling bar</translation>
    </message>
    <message>
        <source>продажа нефти</source>
        <translation>oil selling bar</translation>
    </message>
    <message>
        <source>наёмники</source>
        <translation>mercenaries bar</translation>
    </message>
    <message>
        <source>покупка золота</source>
        <translation>gold buying bar</translation>
    </message>
    <message>
        <source>покупка земли</source>
        <translation>land buying bar</translation>
    </message>
    <message>
        <source>покупка зерна</source>
        <translation>grain buying bar</translation>
    </message>
    <message>
        <source>покупка нефти</source>
        <translation>oil buying bar</translation>
    </message>
    <message>
        <source>имя короля</source>
        <translation>king&apos;s name</translation>
    </message>
    <message>
        <source>имя в таблице лучших</source>
        <translation>name among the best kings</translation>
    </message>
    <message>
        <source>счёт в таблице лучших</source>
        <translation>score among the best kings</translation>
    </message>
    <message>
        <source>очки короля</source>
        <translation>king&apos;s rating</translation>
    </message>
    <message>
        <source>золото</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>земля</source>
        <translation>land</translation>
    </message>
    <message>
        <source>зерно</source>
        <translation>grain</translation>
    </message>
    <message>
        <source>нефть</source>
        <translation>oil</translation>
    </message>
    <message>
        <source>наёмников по карману</source>
        <translation>mercenaries affordable</translation>
    </message>
    <message>
        <source>покупка золота до</source>
        <translation>gold buying limit</translation>
    </message>
    <message>
        <source>покупка земли до</source>
        <translation>land buying limit</translation>
    </message>
    <message>
        <source>покупка зерна до</source>
        <translation>grain buying limit</translation>
    </message>
    <message>
        <source>покупка нефти до</source>
        <translation>oil buying limit</translation>
    </message>
    <message>
        <source>Файл</source>
        <extracomment>The file a message is about, when its name is not known; it starts the message.</extracomment>
        <translation>The file</translation>
    </message>
    <message>
        <source>Файл %1</source>
        <extracomment>The file a message is about; it starts the message.</extracomment>
        <translation>The file %1</translation>
    </message>
    <message>
        <source>поле %1 (%2, место %3)</source>
        <extracomment>A field of the table of the best kings in a saved game: its number, its name, the place in the table.</extracomment>
        <translation>field %1 (%2, place %3)</translation>
    </message>
    <message>
        <source>поле %1 (%2)</source>
        <extracomment>A field of the saved game: its number and its name.</extracomment>
        <translation>field %1 (%2)</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>What the file holds in a field, quoted as the messages quote it.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 обрывается: в нём только %2 из %3 полей сохранённой игры.</source>
        <extracomment>%1: the file (&quot;Файл «…»&quot;); %2 fields of the %3 a saved game has were found.</extracomment>
        <translation>%1 breaks off: it holds only %2 of the %3 fields of a saved game.</translation>
    </message>
    <message>
        <source>%1 обрывается: %2 — текст без закрывающей кавычки.</source>
        <extracomment>%1: the file (&quot;Файл «…»&quot;); %2: the field (&quot;поле 12 (отчёт)&quot;).</extracomment>
        <translation>%1 breaks off: %2 — a text without its closing quotation mark.</translation>
    </message>
    <message>
        <source>%1 повреждён: %2 — после закрывающей кавычки нет запятой.</source>
        <translation>%1 is damaged: %2 — no comma follows the closing quotation mark.</translation>
    </message>
    <message>
        <source>%1 обрывается: последнее поле не закончено.</source>
        <translation>%1 breaks off: its last field is not finished.</translation>
    </message>
    <message>
        <source>цена %1, а она должна быть больше нуля.</source>
        <extracomment>What is wrong with a field; %1: what the file holds there, in quotes.</extracomment>
        <translation>the price is %1, but it must be above zero.</translation>
    </message>
    <message>
        <source>цена %1 слишком мала: она должна быть не меньше 1.</source>
        <translation>the price %1 is too low: it must be at least 1.</translation>
    </message>
    <message>
        <source>число %1 слишком велико: игра считает только до %2.</source>
        <extracomment>%1: what the file holds there, in quotes; %2: the largest number the game uses.</extracomment>
        <translation>the number %1 is too large: the game counts only up to %2.</translation>
    </message>
    <message>
        <source>%1 слишком велик: в нём больше 1 МБ.</source>
        <translation>%1 is too large: it holds more than 1 MB.</translation>
    </message>
    <message>
        <source>%1 пуст.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1 — недопустимое число %2.</source>
        <extracomment>%1: the field (&quot;поле 1 (цена золота)&quot;); %2: what the file holds there, in quotes.</extracomment>
        <translation>%1 — %2 is not a valid number.</translation>
    </message>
    <message>
        <source>%1 — число %2 выходит за пределы от -32768 до 32767.</source>
        <translation>%1 — the number %2 lies outside the range from -32768 to 32767.</translation>
    </message>
    <message>
        <source>%1 повреждён: </source>
        <extracomment>The start of a message about a field; %1: the file (&quot;Файл «…»&quot;). The field follows.</extracomment>
        <translation>%1 is damaged: </translation>
    </message>
    <message>
        <source>Игру нельзя сохранить: одно из её значений не является числом.</source>
        <translation>The game cannot be saved: one of its values is not a number.</translation>
    </message>
    <message>
        <source>Игру нельзя сохранить: она заняла бы больше 1 МБ.</source>
        <translation>The game cannot be saved: it would take more than 1 MB.</translation>
    </message>
    <message>
        <source>Игру нельзя сохранить: </source>
        <extracomment>The start of a message about a field of the game; the field follows.</extracomment>
        <translation>The game cannot be saved: </translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>в нём больше 1 МБ</source>
        <extracomment>Why the table&apos;s file cannot be read: it follows &quot;…прочитать нельзя: &quot;, and a full stop ends it. So do the reasons below.</extracomment>
        <translation>it holds more than 1 MB</translation>
    </message>
    <message>
        <source>в поле %1 текст без закрывающей кавычки</source>
        <translation>field %1 holds a text without its closing quotation mark</translation>
    </message>
    <message>
        <source>в поле %1 после закрывающей кавычки нет запятой</source>
        <translation>in field %1 no comma follows the closing quotation mark</translation>
    </message>
    <message>
        <source>он пуст</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>в нём только %1 из %2 полей</source>
        <translation>it holds only %1 of the %2 fields</translation>
    </message>
    <message>
        <source>Таблицу лучших королей из файла %1 прочитать нельзя: %2.</source>
        <extracomment>%1: the file, quoted; %2: why.</extracomment>
        <translation>The table of the best kings in the file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Таблицу лучших королей прочитать нельзя. </source>
        <extracomment>The file&apos;s own message follows the blank.</extracomment>
        <translation>The table of the best kings cannot be read. </translation>
    </message>
    <message>
        <source>Отложить файл не удалось, и новые короли в него записаны не будут.</source>
        <extracomment>Follows the reason the table cannot be read.</extracomment>
        <translation>The file could not be put aside, and no new kings will be written into it.</translation>
    </message>
    <message>
        <source>Файл сохранён под именем %1, а таблица начата заново.</source>
        <extracomment>Follows the reason the table cannot be read; %1: where the old file is kept.</extracomment>
        <translation>The file has been kept as %1, and the table has been started afresh.</translation>
    </message>
    <message>
        <source>Таблицу нельзя сохранить: счёт на месте %1 не является числом.</source>
        <translation>The table cannot be saved: the score in place %1 is not a number.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: прежнюю таблицу в нём прочитать нельзя, а отложить её не удалось.</source>
        <translation>The file %1 could not be written: the table already in it cannot be read, and it could not be put aside.</translation>
    </message>
</context>
<context>
    <name>StatusColumn</name>
    <message>
        <source>Деньги: $</source>
        <translation>Money: $</translation>
    </message>
    <message>
        <source>Рабочие :</source>
        <translation>Workers:</translation>
    </message>
    <message>
        <source>Солдаты:</source>
        <translation>Soldiers:</translation>
    </message>
    <message>
        <source>Всего:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Требуется :</source>
        <extracomment>The heading of the two figures below it: how much land and grain the people need.</extracomment>
        <translation>Needed:</translation>
    </message>
    <message>
        <source>Земли </source>
        <extracomment>&quot;(Needed) of land&quot;, with the game&apos;s blank at the end.</extracomment>
        <translation>Land</translation>
    </message>
    <message>
        <source>Зерна</source>
        <extracomment>&quot;(Needed) of grain&quot;.</extracomment>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Настроение :</source>
        <translation>Mood:</translation>
    </message>
    <message>
        <source>Деньги: %1</source>
        <extracomment>Spoken by a screen reader: the caption of a figure of the status column and, as %1, the figure as shown.</extracomment>
        <translation>Money: %1</translation>
    </message>
    <message>
        <source>Рабочие: %1</source>
        <translation>Workers: %1</translation>
    </message>
    <message>
        <source>Солдаты: %1</source>
        <translation>Soldiers: %1</translation>
    </message>
    <message>
        <source>Всего: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Требуется земли: %1, не хватает</source>
        <extracomment>The land the people need, shown in red: there is not enough of it.</extracomment>
        <translation>Land needed: %1, not enough</translation>
    </message>
    <message>
        <source>Требуется земли: %1</source>
        <translation>Land needed: %1</translation>
    </message>
    <message>
        <source>Требуется зерна: %1, не хватает</source>
        <extracomment>The grain the people need, shown in red: there is not enough to feed them.</extracomment>
        <translation>Grain needed: %1, not enough</translation>
    </message>
    <message>
        <source>Требуется зерна: %1</source>
        <translation>Grain needed: %1</translation>
    </message>
    <message>
        <source>Настроение: %1</source>
        <translation>Mood: %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message, the rules and the chronicle.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Таблицу не удалось сохранить в браузере.</source>
        <extracomment>The browser refused to keep the table of the best kings (its storage is full or off).</extracomment>
        <translation>The table could not be kept in the browser.</translation>
    </message>
    <message>
        <source>%1 или %2</source>
        <extracomment>The keys of a menu command: the desktop&apos;s function key, then the page&apos;s own.</extracomment>
        <translation>%1 or %2</translation>
    </message>
</context>
</TS>
