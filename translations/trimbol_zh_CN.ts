<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>空</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>叉</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>圈</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>涂鸦</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>螺旋</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>第 %1 层，第 %2 行，第 %3 列：%4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>叉方</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>圈方</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>涂鸦方</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>螺旋方</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>已占用</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>没有对局。新对局：F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>新对局</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>已悔棋：%1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>胜局：%1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>还没有走棋</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>没有一方能一步连成一线</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>可连成的线。%1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>         平局！         </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>         叉方获胜        </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>         圈方获胜        </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation>        涂鸦方获胜        </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation>        螺旋方获胜        </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>轮到叉方</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>轮到圈方</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>轮到涂鸦方</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>轮到螺旋方</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>状态栏</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>说明</translation>
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
        <translation>帮助
点击棋盘上的格子来落子
在“设置”中为一方打开“自动”，
即由电脑替它下棋。
“棋力”决定电脑下得多好。
“全自动”把各方都交给电脑，
并用最高棋力。
按数字键 1-9 播放以下文件中的音乐
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 和 9 随游戏提供
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>不用鼠标：Tab 进入棋盘，方向键移动方框，
PageUp 和 PageDown（或 Ctrl+方向键）换到相邻的层，
Home 和 End 到本层的第一格和最后一格，
Enter 或空格落子。菜单：菜单键或 Shift+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
版本 5.2
编程与设计：Trimbol 团队
创意：Trimbol 团队
© Trimbol 团队，2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z 撤销你的上一步以及电脑对它的应对，
Ctrl+H 显示大师会选的格子，以及原因
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>在棋盘上，供屏幕阅读器使用：R - 行，C - 列，
P - 穿过该格的竖柱，S - 轮到谁和比分，
L - 最近几步，T - 哪里可以连成一线
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>全部按键：Ctrl+?（帮助 - 按键）
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>叉方</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>圈方</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>涂鸦方</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>螺旋方</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>连成%1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>堵住%1（%2）</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>同时两个威胁</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>最多 %1 步必成一线</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>不会被迫输棋</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>最长的防守</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>最多的开放线</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>第 %1 步后无法防守：%2，%3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>第 %2 层第 %1 行</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>第 %2 层第 %1 列</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>第 %1 行第 %2 列的竖柱</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>第 %1 层，第 %2 行，第 %3 列</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>叉方</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>圈方</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>涂鸦方</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>螺旋方</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>半</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>强</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+无</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>新对局</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>比分：</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>全自动</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+关</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>棋力</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>自动开局</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>斜线获胜</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>悔棋</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>大师</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>决胜一步</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>按键</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>游戏中</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>新对局</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>悔回你的上一步及电脑对它的应着</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>提示：大师会选的格子及理由</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>开关声音</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>播放文件 1.wav ... 9.mid 中的音乐</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>菜单键，Shift+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>打开菜单</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>到下一个或上一个控件；最后一个是棋盘</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>本按键列表</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>棋盘上</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>移动方框；左右键可跨层</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>相邻层的同一格</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>本层的第一格和最后一格</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Enter、空格</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>在方框所在格落子</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>朗读方框所在的行</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>朗读方框所在的列</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>朗读方框所在的竖柱</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>轮到谁及比分</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>各方的最后一步</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>某方下一步即可连成一线的格子</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>操作</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>持续重绘</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>新对局</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 名玩家</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 名玩家</translation>
    </message>
</context>
</TS>
