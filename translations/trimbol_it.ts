<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>croce</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>cerchio</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>ghirigoro</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>spirale</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Piano %1, riga %2, colonna %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Croci</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Cerchi</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Ghirigori</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spirali</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Occupata</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>Nessuna partita. Nuova partita: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Vittorie: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Ancora nessuna mossa</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Nessuno può completare una linea in una mossa</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Linee da completare. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>      PAREGGIO!      </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>   Vincono le croci  </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>   Vincono i cerchi  </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation> Vincono i ghirigori </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation>  Vincono le spirali </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Tocca alle croci</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Tocca ai cerchi</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Tocca ai ghirigori</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Tocca alle spirali</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Barra di stato</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Istruzioni</translation>
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
        <translation>Aiuto
Fate clic su una casella per mettere il vostro segno.
In Opzioni, impostate l’Automatico di un giocatore
perché lo giochi il computer.
Livello stabilisce quanto bene gioca il computer.
Tutto auto affida ogni giocatore al computer
al massimo livello.
I tasti 1-9 suonano la musica dei file
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 e 9 sono forniti con il gioco
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Senza mouse: Tab passa alla scacchiera, le frecce spostano la cornice,
Pag su e Pag giù (o Ctrl+frecce) passano al piano vicino,
Inizio e Fine vanno alla prima e all’ultima casella del piano,
Invio o Spazio mettono un segno. Menu: il tasto Menu o Maiusc+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Versione 5.2
Programmazione e design: il team di Trimbol
Idea: il team di Trimbol
© il team di Trimbol, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z annulla la vostra ultima mossa e le risposte del computer,
Ctrl+H mostra la casella che sceglierebbe il Maestro, e perché
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>Sulla scacchiera, per un lettore di schermo: R - la riga, C - la colonna,
P - il pilastro per la casella, S - a chi tocca e il punteggio,
L - le ultime mosse, T - dove si può completare una linea
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Tutti i tasti: Ctrl+? (Aiuto - Tasti)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>croci</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>cerchi</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>ghirigori</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>spirali</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Completa %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Blocca %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Due minacce insieme</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Una linea in al massimo %1 mosse</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Nessuna sconfitta forzata</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>La difesa più lunga</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>Il maggior numero di linee aperte</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Senza difesa dopo la mossa %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>riga %1 del piano %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>colonna %1 del piano %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>pilastro alla riga %1, colonna %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>piano %1, riga %2, colonna %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Croci</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Cerchi</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Ghirigori</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spirali</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Metà</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Debole</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Nessuno</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Punteggio:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Tutto auto</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+No</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Avvio auto</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Diagonali</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Annulla mossa</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Mossa decisiva</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Tasti</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>In partita</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Annulla la tua ultima mossa e le risposte del computer</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Suggerimento: la casella che sceglierebbe il Maestro, e perché</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Attiva e disattiva il suono</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Musica dai file 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Tasto menu, Maiusc+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Apre il menu</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>All&apos;elemento successivo o precedente; l&apos;ultimo è il tabellone</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Questo elenco di tasti</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>Sul tabellone</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Frecce</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Sposta la cornice; sinistra e destra passano tra i livelli</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>La stessa casella del livello vicino</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Prima e ultima casella del livello</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Invio, Spazio</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Metti il tuo segno nella casella incorniciata</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Leggi la riga che passa per la cornice</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Leggi la colonna che passa per la cornice</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Leggi il pilastro che passa per la cornice</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>A chi tocca, e il punteggio</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>L&apos;ultima mossa di ogni giocatore</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Le caselle dove un giocatore completerebbe una linea alla prossima mossa</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Azione</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Ridisegno continuo</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 giocatore</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 giocatori</translation>
    </message>
</context>
</TS>
