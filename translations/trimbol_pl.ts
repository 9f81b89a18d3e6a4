<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>krzyżyk</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>kółko</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>zawijas</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>spiralka</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Warstwa %1, rząd %2, kolumna %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Krzyżyki</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Kółka</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Zawijasy</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spiralki</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Zajęte</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>Brak gry. Nowa gra: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Cofnięto: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Wygrane: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Jeszcze nie było ruchów</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Nikt nie zamknie linii jednym ruchem</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Linie do zamknięcia. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>        REMIS!       </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>   Krzyżyki wygrały  </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>    Kółka wygrały    </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation>   Zawijasy wygrały  </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation>   Spiralki wygrały  </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Ruch krzyżyków</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Ruch kółek</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Ruch zawijasów</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Ruch spiralek</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Pasek stanu</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Instrukcja</translation>
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
        <translation>Pomoc
Kliknij pole planszy, aby postawić swój znak.
W Ustawieniach włącz Automat danej strony,
aby grał nią komputer.
Poziom ustala, jak dobrze gra komputer.
Pełny automat oddaje komputerowi wszystkie strony
z pełną siłą.
Klawisze 1-9 odtwarzają muzykę z plików
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 i 9 są dołączone do gry
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Bez myszy: Tab przechodzi na planszę, strzałki przesuwają ramkę,
PageUp i PageDown (lub Ctrl+strzałki) - na sąsiednią warstwę,
Home i End - na pierwsze i ostatnie pole warstwy,
Enter lub spacja stawia znak. Menu - klawisz menu lub Shift+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Wersja 5.2
Programowanie i projekt - zespół Trimbol
Pomysł - zespół Trimbol
© zespół Trimbol, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z cofa twój ostatni ruch i odpowiedzi komputera na niego,
Ctrl+H pokazuje pole, które wybrałby Mistrz, i dlaczego
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>Na planszy, dla czytnika ekranu: R - rząd, C - kolumna,
P - słup przez pole, S - czyj ruch i wynik,
L - ostatnie ruchy, T - gdzie można zamknąć linię
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Wszystkie klawisze: Ctrl+? (Pomoc - Klawisze)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>krzyżyki</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>kółka</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>zawijasy</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>spiralki</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Zamyka %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Blokuje %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Dwie groźby naraz</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Linia nieunikniona, ruchów do niej: %1</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Przegrana nie jest wymuszona</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>Najdłuższa obrona</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>Najwięcej otwartych linii</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Bez obrony po ruchu %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>rząd %1 warstwy %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>kolumna %1 warstwy %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>słup rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>warstwa %1, rząd %2, kolumna %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Krzyżyki</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Kółka</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Zawijasy</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spiralki</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Wył</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Pół</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Wł</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Słabo</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Mocno</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Brak</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Pełny automat</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+Wył</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Przekątne</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Cofnij ruch</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Mistrz</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Decydujący ruch</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Klawisze</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>W grze</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Cofnij swój ostatni ruch i odpowiedzi komputera</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Podpowiedź: pole, które wybrałby Mistrz, i dlaczego</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Włącz i wyłącz dźwięk</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Muzyka z plików 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Klawisz menu, Shift+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Otwórz menu</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>Do następnego lub poprzedniego elementu okna; ostatni to plansza</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Ta lista klawiszy</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>Na planszy</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Strzałki</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Przesuń ramkę; w lewo i w prawo przez warstwy</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>To samo pole sąsiedniej warstwy</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Pierwsze i ostatnie pole warstwy</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Enter, spacja</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Postaw swój znak w polu ramki</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Odczytaj rząd przez ramkę</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Odczytaj kolumnę przez ramkę</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Odczytaj słup przez ramkę</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>Czyj ruch i wynik</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>Ostatni ruch każdej strony</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Pola, na których strona zamknie linię następnym ruchem</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Działanie</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Ciągłe odświeżanie</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 gracz</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 graczy</translation>
    </message>
</context>
</TS>
