<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Насмотрелся</source>
        <extracomment>&quot;Seen enough&quot;: the tool tip of the box&apos;s OK.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сайт игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Написать письмо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                          Король Велории  v1.21</source>
        <extracomment>The game&apos;s name and version: the blanks in front centre it roughly in the box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код и рисунки: мастера Велории</source>
        <extracomment>&quot;Code and drawings: the masters of Veloria&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChronicleChart</name>
    <message>
        <source>,</source>
        <comment>decimal mark</comment>
        <extracomment>The decimal mark of the chart&apos;s short figures (&quot;12,3 млн&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 трлн</source>
        <extracomment>%1 trillion, with one decimal: the chart&apos;s scales are kept short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 млрд</source>
        <extracomment>%1 billion (thousand million), with one decimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 млн</source>
        <extracomment>%1 million, with one decimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 тыс.</source>
        <extracomment>%1 thousand, with one decimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Население</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Солдаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год %1 — %2: %3</source>
        <extracomment>The value under the pointer: the year, the series, the figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Летопись пуста: первая запись появится, когда пройдёт год.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отметьте, что показывать.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChronicleFile</name>
    <message>
        <source>запись обрывается</source>
        <extracomment>What is wrong with a record of the chronicle; it follows &quot;заголовок: &quot; or &quot;запись 3: &quot;. So do the two below.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после текста нет запятой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в записи больше %1 полей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заголовок: %1</source>
        <extracomment>Why the chronicle cannot be read; %1: what is wrong with its header record. This and the reasons below go into &quot;…прочитать не удалось (%1)…&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после записи игры идёт что-то другое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>она записана другой версией игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в заголовке неверное число записей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись %1: %2</source>
        <extracomment>%1: the record&apos;s number; %2: what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле %1 — не текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после последней записи есть лишние данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игра загружена, но летопись правления прочитать не удалось (%1). Летопись начнётся заново с загруженного года.</source>
        <extracomment>%1: why the chronicle could not be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChronicleSpeech</name>
    <message>
        <source>Летопись по годам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка — год; стрелки, Page Up, Page Down, Home и End выбирают год, его доклад — ниже.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доклад выбранного года</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График летописи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One figure of a year&apos;s row: the column&apos;s title in lower case, then its figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>A year&apos;s row as a screen reader reads it: &quot;Год 12: рабочие 300, солдаты 40, ...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Летопись пуста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: годы с %2 по %3, от %4 до %5</source>
        <extracomment>A series of the chart: its name, its first and last year, its lowest and highest value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не показано ни одного ряда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChronicleTable</name>
    <message>
        <source>Год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Солдаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего</source>
        <extracomment>The population: workers and soldiers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Золото</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нефть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>События</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChronicleWindow</name>
    <message>
        <source>Летопись</source>
        <extracomment>The chronicle of the reign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Таблица</source>
        <extracomment>The page with the chronicle&apos;s table (not the table of the best kings).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;График</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скопировать таблицу для электронной таблицы (Ctrl+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Страницы летописи</source>
        <extracomment>The chronicle window&apos;s two pages, as a screen reader names them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>нет прав на запись</source>
        <extracomment>Why a file could not be written: it follows &quot;Не удалось записать файл «…»: &quot;, and a full stop ends it. So do the reasons below.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на диске не хватает места</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка записи на диск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>старый файл не удалось заменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удаётся создать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файловая система отказала в записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл превысил разрешённый ему размер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>имя файла слишком длинное для этой файловой системы</source>
        <extracomment>Why a file cannot be reached: it follows &quot;Не удалось открыть файл «…»: &quot; or &quot;Не удалось записать файл «…»: &quot;, and a full stop ends it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет доступа к папке %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>символические ссылки в пути замыкаются в петлю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 слишком велик: в нём больше 1 МБ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>A file&apos;s name as the messages quote it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не указано имя файла.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 не найден.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — это папка, а не файл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — не обычный файл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: нет прав на чтение.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: </source>
        <extracomment>The start of a message: the reason follows the blank.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>под этим именем уже есть папка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папки %1 нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство или канал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл защищён от записи.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на запись в папку %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>Загрузить</source>
        <extracomment>The title of the message, as the load dialog&apos;s messages have it: &quot;Load&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoodsPanel</name>
    <message>
        <source>Золото</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нефть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Золото: %1</source>
        <extracomment>%1: the stock, in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation type="vanished">Gold: %1</translation>
    </message>
    <message>
        <source>купить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>продать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HallOfFameWindow</name>
    <message>
        <source>Таблица</source>
        <extracomment>The window of the table of the best kings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица результатов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>         Лучшие из лучших</source>
        <extracomment>&quot;The best of the best&quot;: the blanks in front centre it roughly over the table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished">&amp;OK</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле справки нет раздела номер %1.</source>
        <extracomment>%1: the topic&apos;s context number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка не знает такой просьбы (код %1).</source>
        <extracomment>%1: the code of the help command the game asked for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл справки не указан: справка для этого раздела не предусмотрена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл справки «%1». Возможно, игра установлена не полностью.</source>
        <extracomment>%1: the path of the help file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл справки «%1» слишком велик, чтобы быть справкой этой игры.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл справки «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле справки нет раздела «%1». Выберите раздел в содержании.</source>
        <extracomment>%1: the keyword the game looked for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadDialog</name>
    <message>
        <source>Загрузить отложеную игру</source>
        <extracomment>&quot;Load a game put aside&quot;, misspelt (&quot;отложеную&quot;) in the game&apos;s own Russian.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Загрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить загрузку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>The title of the load dialog&apos;s messages: &quot;Load&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не указано имя файла</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Король &quot;Велории&quot;</source>
        <extracomment>The caption before a reign starts: the king of &quot;Veloria&quot;, the country word in quotes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покупка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Купить что-нибуть</source>
        <extracomment>&quot;Buy something&quot;, misspelt (&quot;-нибуть&quot;) in the game&apos;s own Russian.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продажа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продать что-нибудь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наёмники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нанять наёмников</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дальше</source>
        <extracomment>The button that lives through the year (&quot;Next&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дальше</source>
        <comment>tool tip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1   год правления</source>
        <extracomment>Design text only: the year label is written anew at once.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Король Велории, 2026: наша игра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Король Велории - %1</source>
        <extracomment>The main window&apos;s caption and the title of the game&apos;s messages: the king&apos;s name follows.</extracomment>
        <translation type="vanished">King of Veloria - %1</translation>
    </message>
    <message>
        <source>Цена: %1</source>
        <extracomment>%1: the price, in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max: %1</source>
        <extracomment>The bar&apos;s limit; %1 in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покупайте!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продавайте!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>Save the game (the menu item).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>Load a saved game (the menu item).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Таблица</source>
        <extracomment>The table of the best kings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Летопись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Правила</source>
        <extracomment>The rules of the game, in the help viewer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MercenaryPanel</name>
    <message>
        <source>Наёмники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нанять</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наёмники </source>
        <extracomment>The panel&apos;s caption once opened: the game writes it with a blank at the end.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цена : %1</source>
        <extracomment>A mercenary&apos;s price; %1 in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max :%1</source>
        <extracomment>The bar&apos;s limit; %1 in the game&apos;s number text, which starts with a blank.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Война</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы</source>
        <extracomment>The king&apos;s portrait in the war panel: &quot;You&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ваша армия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Враги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вражеский военачальник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Захвачено:</source>
        <extracomment>Design text only: the battle&apos;s outcome writes its own heading here.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>&quot;Had enough of war&quot;: the tool tip of the battle&apos;s OK.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Навоевался</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportView</name>
    <message>
        <source>Выберите год, чтобы прочитать его доклад.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>Население удалось прокормить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Население не удалось прокормить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всем досталась земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земля досталась не всем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В этом году засеяли всю территорию земли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В этом году ничего не засеяли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В этом году засеяли часть территории земли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроение населения улучшилось, народ болеет за Вас</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроение населения ухудшилось, народ недоволен Вами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Собран урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Был собран хороший урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Был собран отличный урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крысы сожрали чась урожая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наводнение уничтожило чась урожая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Из-за сильного пожара, весь урожай сгорел</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>В этом году родилось %1 детей.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>В этом году умерло %1 человек.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваша армия пополнинилась %1 солдатами.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Из Вашей армии сбежало %1 солдат.</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Возможно война! Готовтесь! По разведданным армия врага составляет %1 солдат!</source>
        <extracomment>%1 is the number as the game writes it: a blank before it unless it is negative.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1  год правления .</source>
        <extracomment>%1 is the year as the game writes it, with a blank before it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Господин президент! Прибыл Ваш помощник с докладом!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>земли хватило не всем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поля не засеяны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хороший урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отличный урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>крысы съели часть урожая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наводнение погубило часть урожая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пожар: весь урожай сгорел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>собран урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>урожая нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>родилось детей: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>умерло людей: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пришло в армию: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сбежало из армии: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>объявлена война, армия врага: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не осталось ни одного рабочего: страна вымерла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>конец правления, рейтинг %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пятый год недовольства: народ сверг короля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рейтинг упал до 1: народ сверг короля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>битва, %1 против %2: победа, захвачено %3</source>
        <extracomment>%1 and %2 are the king&apos;s and the enemy&apos;s armies, %3 the list of what was taken.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>битва, %1 против %2: ничья, обе армии погибли</source>
        <extracomment>%1 and %2 are the king&apos;s and the enemy&apos;s armies.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>битва, %1 против %2: поражение, потеряно %3</source>
        <extracomment>%1 and %2 are the king&apos;s and the enemy&apos;s armies, %3 the list of what was lost.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>золото %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>земля %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>зерно %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нефть %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>солдаты %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рабочие %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>деньги %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ничего</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтобы начать игру заново, нажмите OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ну, что же, Вы на славу поиздевались над своим народом и были свергнуты народом с трона!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы уморили голодом всю страну и были свергнуты народом с трона!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поздравляю Вас Ваше Величество, Ваш рейтинг - %1</source>
        <extracomment>%1 is the rating as the game writes it, with a blank before it unless it is negative.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поищите себя в таблице лучших королей!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Король Велории - </source>
        <translation>King of Veloria - </translation>
    </message>
    <message>
        <source>Плохое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неплохое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хорошее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отличное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вас Боготворят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Золота:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Земли:   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Зерна:   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Нефти:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Солдат:   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Рабочих: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Денег:    %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Слава Королю! Вы победили!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Битва не выявила победителей!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>              Вы проиграли битву!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Захвачено:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеряно:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Сохранить игру</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить сохранение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение</source>
        <extracomment>The title of the save dialog&apos;s messages: &quot;Saving&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не указано имя файла</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>цена золота</source>
        <extracomment>The name of a field of the saved game, in messages such as &quot;поле 1 (цена золота)&quot;. So are the names that follow.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена земли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена зерна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена нефти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рабочие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>солдаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена наёмника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>казна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сумма сделки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рост армии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>настроение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>народ накормлен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>земли хватило</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>посев</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>годы недовольства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>посев для урожая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>последний мирный год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>армия врага</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>годы до битвы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запасное значение 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>население</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужное зерно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>урожай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>продажа золота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>продажа земли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>продажа зерна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>продажа нефти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наёмники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка золота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка земли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка зерна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка нефти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>имя короля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>имя в таблице лучших</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>счёт в таблице лучших</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очки короля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>золото</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>зерно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нефть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наёмников по карману</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка золота до</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка земли до</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка зерна до</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покупка нефти до</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <extracomment>The file a message is about, when its name is not known; it starts the message.</extracomment>
        <translation>The file</translation>
    </message>
    <message>
        <source>Файл %1</source>
        <extracomment>The file a message is about; it starts the message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле %1 (%2, место %3)</source>
        <extracomment>A field of the table of the best kings in a saved game: its number, its name, the place in the table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле %1 (%2)</source>
        <extracomment>A field of the saved game: its number and its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>What the file holds in a field, quoted as the messages quote it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 обрывается: в нём только %2 из %3 полей сохранённой игры.</source>
        <extracomment>%1: the file (&quot;Файл «…»&quot;); %2 fields of the %3 a saved game has were found.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 обрывается: %2 — текст без закрывающей кавычки.</source>
        <extracomment>%1: the file (&quot;Файл «…»&quot;); %2: the field (&quot;поле 12 (отчёт)&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 повреждён: %2 — после закрывающей кавычки нет запятой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 обрывается: последнее поле не закончено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена %1, а она должна быть больше нуля.</source>
        <extracomment>What is wrong with a field; %1: what the file holds there, in quotes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена %1 слишком мала: она должна быть не меньше 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>число %1 слишком велико: игра считает только до %2.</source>
        <extracomment>%1: what the file holds there, in quotes; %2: the largest number the game uses.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 слишком велик: в нём больше 1 МБ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 пуст.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1 — недопустимое число %2.</source>
        <extracomment>%1: the field (&quot;поле 1 (цена золота)&quot;); %2: what the file holds there, in quotes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — число %2 выходит за пределы от -32768 до 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 повреждён: </source>
        <extracomment>The start of a message about a field; %1: the file (&quot;Файл «…»&quot;). The field follows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игру нельзя сохранить: одно из её значений не является числом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игру нельзя сохранить: она заняла бы больше 1 МБ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игру нельзя сохранить: </source>
        <extracomment>The start of a message about a field of the game; the field follows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>в нём больше 1 МБ</source>
        <extracomment>Why the table&apos;s file cannot be read: it follows &quot;…прочитать нельзя: &quot;, and a full stop ends it. So do the reasons below.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в поле %1 текст без закрывающей кавычки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в поле %1 после закрывающей кавычки нет запятой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>он пуст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в нём только %1 из %2 полей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблицу лучших королей из файла %1 прочитать нельзя: %2.</source>
        <extracomment>%1: the file, quoted; %2: why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблицу лучших королей прочитать нельзя. </source>
        <extracomment>The file&apos;s own message follows the blank.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отложить файл не удалось, и новые короли в него записаны не будут.</source>
        <extracomment>Follows the reason the table cannot be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл сохранён под именем %1, а таблица начата заново.</source>
        <extracomment>Follows the reason the table cannot be read; %1: where the old file is kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблицу нельзя сохранить: счёт на месте %1 не является числом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: прежнюю таблицу в нём прочитать нельзя, а отложить её не удалось.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusColumn</name>
    <message>
        <source>Деньги: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочие :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Солдаты:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется :</source>
        <extracomment>The heading of the two figures below it: how much land and grain the people need.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Земли </source>
        <extracomment>&quot;(Needed) of land&quot;, with the game&apos;s blank at the end.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зерна</source>
        <extracomment>&quot;(Needed) of grain&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроение :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
