<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>Krakel</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Ebene %1, Reihe %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Kreuze</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Krakel</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spiralen</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Besetzt</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>Kein Spiel. Neues Spiel: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Zurückgenommen: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Siege: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Noch keine Züge</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Keiner kann mit einem Zug eine Linie schließen</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Linien zu schließen. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>    UNENTSCHIEDEN!   </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>   Kreuze gewinnen   </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>   Kreise gewinnen   </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation>   Krakel gewinnen   </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation>  Spiralen gewinnen  </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Kreuze am Zug</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Kreise am Zug</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Krakel am Zug</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Spiralen am Zug</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Statuszeile</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Помощь
Используйте жмыкание по полю, чтобы ставить знаки
В настройках поставьте автомат, чтобы включить
игру компьютера.
Интеллект - чтобы ставить качество игры компа
Ставьте Полн.Авт чтобы включить весь интеллект
и все компьютеры.
Жмите цифры на клаве 1-9 чтобы грузить музыку из директории с именами
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 и 9 поставляются с игрой
</source>
        <translation>Hilfe
Ein Klick auf ein Feld setzt Ihr Zeichen.
Unter Einstellungen schaltet Automatik
den Computer für eine Seite ein.
Spielstärke: wie gut der Computer spielt.
Voll-Auto gibt alle Seiten dem Computer
mit voller Stärke.
Die Tasten 1-9 spielen Musik aus den Dateien
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 und 9 liegen dem Spiel bei
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Ohne Maus: Tab wechselt aufs Spielbrett, die Pfeiltasten bewegen den Rahmen,
Bild auf und Bild ab (oder Strg+Pfeile) gehen zur Nachbarebene,
Pos1 und Ende zum ersten und letzten Feld der Ebene,
Eingabe oder Leertaste setzt ein Zeichen. Menü: die Menütaste oder Umschalt+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Version 5.2
Programmierung und Design: das Trimbol-Team
Idee: das Trimbol-Team
© das Trimbol-Team, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Strg+Z nimmt Ihren letzten Zug und die Antworten des Computers darauf zurück,
Strg+H zeigt das Feld, das der Meister wählen würde, und warum
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>Auf dem Spielbrett, für Bildschirmleser: R - die Reihe, C - die Spalte,
P - die Säule durch das Feld, S - wer am Zug ist und der Stand,
L - die letzten Züge, T - wo sich eine Linie schließen lässt
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Alle Tasten: Strg+? (Hilfe - Tasten)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>Kreuze</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>Krakel</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>Spiralen</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Schließt %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Blockiert %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Zwei Drohungen zugleich</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Eine Linie in höchstens %1 Zügen</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Kein erzwungener Verlust</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>Die längste Verteidigung</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>Die meisten offenen Linien</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Keine Abwehr nach Zug %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>Reihe %1 der Ebene %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>Spalte %1 der Ebene %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>Säule bei Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>Ebene %1, Reihe %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Kreuze</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Krakel</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spiralen</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Halb</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Keine</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Stand:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Voll-Auto</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+Aus</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Diagonalen</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Zug zurück</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Entscheidender Zug</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>Im Spiel</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Den eigenen letzten Zug und die Antworten des Computers zurücknehmen</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Tipp: das Feld, das der Meister wählen würde, und warum</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Ton ein und aus</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Musik aus den Dateien 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Menütaste, Umschalt+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Das Menü öffnen</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>Zum nächsten oder vorigen Element; das letzte ist das Brett</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Diese Tastenliste</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>Auf dem Brett</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Den Rahmen bewegen; Links und Rechts wechseln die Ebene</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>Dasselbe Feld der Nachbarebene</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Erstes und letztes Feld der Ebene</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Enter, Leertaste</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Das eigene Zeichen ins Rahmenfeld setzen</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Die Reihe durch den Rahmen vorlesen</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Die Spalte durch den Rahmen vorlesen</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Die Säule durch den Rahmen vorlesen</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>Wer am Zug ist und der Punktestand</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>Der letzte Zug jeder Seite</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Felder, auf denen eine Seite mit dem nächsten Zug eine Linie vollendet</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Aktion</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Тримбол</source>
        <translation>Trimbol</translation>
    </message>
</context>
<context>
    <name>trimbol::app::HelpDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Ständig neu zeichnen</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 Spieler</translation>
    </message>
</context>
</TS>
