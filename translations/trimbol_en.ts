<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>cross</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>nought</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>squiggle</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>spiral</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Layer %1, row %2, column %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Crosses</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Noughts</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Squiggles</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spirals</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Taken</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>No game. New game: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Taken back: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Wins: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>No moves yet</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>No side can complete a line in one move</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Lines to complete. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>        DRAW!        </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>     Crosses won     </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>     Noughts won     </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation>    Squiggles won    </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation>     Spirals won     </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Crosses&apos; turn</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Noughts&apos; turn</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Squiggles&apos; turn</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Spirals&apos; turn</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Status line</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Instructions</translation>
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
        <translation>Help
Click a cell of the board to place your piece.
In Settings, set a side&apos;s Auto Play to let
the computer play it.
Strength sets how well the computer plays.
Full Auto hands every side to the computer
at full strength.
Press 1-9 to play music from the files
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 and 9 come with the game
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Without a mouse: Tab moves to the board, the arrows move the frame,
PageUp and PageDown (or Ctrl+arrows) go to the next layer,
Home and End go to a layer&apos;s first and last cell,
Enter or Space places a piece. Menu: the Menu key or Shift+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Version 5.2
Programming and design: the Trimbol team
Idea: the Trimbol team
© the Trimbol team, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z takes back your last move and the computer&apos;s answers to it,
Ctrl+H shows the cell Master would choose, and why
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>On the board, for a screen reader: R - the row, C - the column,
P - the pillar through the cell, S - whose turn and the score,
L - the last moves, T - where a line can be completed
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Every key: Ctrl+? (Help - Keys)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>crosses</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>noughts</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>squiggles</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>spirals</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Completes %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Blocks %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Two threats at once</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>A line in %1 moves at most</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>No forced loss</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>The longest defence</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>The most open lines</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>No defence after move %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>row %1 of layer %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>column %1 of layer %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>pillar at row %1, column %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>layer %1, row %2, column %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Crosses</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Noughts</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Squiggles</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spirals</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Half</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+None</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Full Auto</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Auto Play</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+Off</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Auto Start</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Diagonal Wins</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Undo Move</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Decisive move</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>In the game</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Take back your last move and the computer&apos;s answers to it</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Hint: the cell Master would choose, and why</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Sound on and off</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Music from the files 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Menu, Shift+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Open the menu</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>To the next or previous control; the board is the last</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>This list of keys</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>On the board</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Move the frame; Left and Right cross the layers</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>The same cell of the next layer</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>The first and the last cell of the layer</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Enter, Space</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Place your piece on the framed cell</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Read the row through the frame</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Read the column through the frame</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Read the pillar through the frame</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>Whose turn, and the score</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>The last move of each side</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>The cells where a side would complete a line next</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Action</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Constant redraw</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 Player</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 Players</translation>
    </message>
</context>
</TS>
