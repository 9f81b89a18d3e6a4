<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>хрестик</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>нулик</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>закарлючка</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>спіралька</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Дошка</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Шар %1, рядок %2, стовпець %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Хрестики</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Нулики</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Закарлючки</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Спіральки</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Зайнято</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>Гри немає. Нова гра: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Взято назад: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Перемог: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Ходів ще не було</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Лінію одним ходом не завершить ніхто</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Лінію завершать. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>        НІЧИЯ!       </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>  Хрестики перемогли </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>   Нулики перемогли  </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation> Закарлючки перемогли</translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation> Спіральки перемогли </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Хід хрестиків</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Хід нуликів</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Хід закарлючок</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Хід спіральок</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Рядок стану</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Інструкції</translation>
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
        <translation>Довідка
Клацайте по клітинці дошки, щоб ставити знаки
У налаштуваннях увімкніть автомат, щоб увімкнути
гру комп&apos;ютера.
Інтелект - щоб задати, як добре грає комп&apos;ютер
Повн.Авт вмикає весь інтелект
і всі комп&apos;ютери.
Цифри 1-9 на клавіатурі вмикають музику з файлів
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 і 9 постачаються з грою
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Без миші: Tab переходить на дошку, стрілки рухають рамку,
PageUp і PageDown (або Ctrl+стрілки) - на сусідній шар,
Home і End - у першу й останню клітинку шару,
Enter або пробіл ставлять знак. Меню - клавіша меню або Shift+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Тримбол
Версія 5.2
Програмування і дизайн - команда Тримбол
Ідея - команда Тримбол
© команда Тримбол, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z скасовує ваш останній хід і відповіді комп&apos;ютера на нього,
Ctrl+H показує клітинку, яку вибрав би Майстер, і чому
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>На дошці для читання з екрана: R (К) - рядок, C (С) - стовпець,
P (З) - стовп через клітинку, S (І) - чий хід і рахунок,
L (Д) - останні ходи, T (Е) - де можна завершити лінію
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Усі клавіші - Ctrl+? (Довідка - Клавіші)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>хрестики</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>нулики</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>закарлючки</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>спіральки</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Завершує %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Перекриває %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Дві загрози одразу</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Лінія неминуча, ходів до неї: %1</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Програш не вимушений</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>Найдовший захист</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>Найбільше відкритих ліній</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Без захисту після ходу %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>рядок %1 шару %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>стовпець %1 шару %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>стовп рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>шар %1, рядок %2, стовпець %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Хрестики</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Нулики</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Закарлючки</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Спіральки</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Вимк</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Напів</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Увімк</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Слабко</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Сильно</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Немає</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Рахунок:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Повн.Авт</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Автомат</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+Вимк</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Інтелект</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Автопочаток</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Анімація</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Діаг.вигр</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Інструкції</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Скасувати хід</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Майстер</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Вирішальний хід</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Клавіші</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>У грі</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Скасувати свій останній хід і відповіді комп’ютера на нього</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Підказка: клітинка, яку вибрав би Майстер, і чому</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Увімкнути й вимкнути звук</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Музика з файлів 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Клавіша меню, Shift+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Відкрити меню</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>До наступного чи попереднього елемента вікна; останній - дошка</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Інструкції</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Цей список клавіш</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>На дошці</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Стрілки</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Рухати рамку; вліво і вправо - крізь шари</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>Та сама клітинка сусіднього шару</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Перша й остання клітинка шару</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Enter, пропуск</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Поставити знак у клітинку рамки</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R (К)</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Прочитати рядок через рамку</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C (С)</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Прочитати стовпець через рамку</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P (З)</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Прочитати стовп через рамку</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S (І)</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>Чий хід і рахунок</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L (Д)</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>Останній хід кожної сторони</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T (Е)</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Клітинки, де сторона завершить лінію наступним ходом</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Дія</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Тримбол</source>
        <translation>Тримбол</translation>
    </message>
</context>
<context>
    <name>trimbol::app::HelpDialog</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Постійне оновлення</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 гравець</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 гравці</translation>
    </message>
</context>
</TS>
