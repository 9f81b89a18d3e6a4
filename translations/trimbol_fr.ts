<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>croix</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>rond</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>zigzag</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>spirale</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Couche %1, rangée %2, colonne %3 : %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Ronds</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Zigzags</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spirales</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>Pas de partie. Nouvelle partie : F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Repris : %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Victoires : %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Aucun coup pour l’instant</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Personne ne peut finir une ligne en un coup</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Lignes à finir. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>     MATCH NUL !     </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>  Les croix gagnent  </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>  Les ronds gagnent  </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation> Les zigzags gagnent </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation> Les spirales gagnent</translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Aux croix</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Aux ronds</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Aux zigzags</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Aux spirales</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Barre d’état</translation>
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
        <translation>Aide
Cliquez sur une case du plateau pour y poser votre pion.
Dans Options, réglez le Jeu auto d’un camp pour
que l’ordinateur le joue.
Niveau règle la force de jeu de l’ordinateur.
Tout auto confie tous les camps à l’ordinateur
avec toute sa force.
Les touches 1-9 jouent la musique des fichiers
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 et 9 sont fournis avec le jeu
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Sans souris : Tab va au plateau, les flèches déplacent le cadre,
Page préc. et Page suiv. (ou Ctrl+flèches) passent à la couche voisine,
Début et Fin vont à la première et à la dernière case de la couche,
Entrée ou Espace pose un pion. Menu : la touche Menu ou Maj+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Version 5.2
Programmation et conception : l’équipe Trimbol
Idée : l’équipe Trimbol
© l’équipe Trimbol, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z annule votre dernier coup et les réponses de l’ordinateur,
Ctrl+H montre la case que choisirait le Maître, et pourquoi
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>Sur le plateau, pour un lecteur d’écran : R - la rangée, C - la colonne,
P - le pilier passant par la case, S - qui joue et le score,
L - les derniers coups, T - où une ligne peut être finie
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Toutes les touches : Ctrl+? (Aide - Touches)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>croix</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>ronds</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>zigzags</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>spirales</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Finit %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Bloque %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Deux menaces à la fois</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Une ligne en %1 coups au plus</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Aucune défaite forcée</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>La plus longue défense</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>Le plus de lignes ouvertes</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Sans défense après le coup %1 : %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>rangée %1 de la couche %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>colonne %1 de la couche %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>pilier rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>couche %1, rangée %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Ronds</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Zigzags</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Spirales</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Demi</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Aucun</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Tout auto</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Jeu auto</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+Non</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Départ auto</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Diagonales</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Annuler le coup</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Coup décisif</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>En jeu</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Annuler votre dernier coup et les réponses de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Indice : la case que choisirait le Maître, et pourquoi</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Activer et couper le son</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Musique des fichiers 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Touche menu, Maj+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Ouvrir le menu</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>Élément suivant ou précédent de la fenêtre ; le dernier est le plateau</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Cette liste des touches</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>Sur le plateau</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Déplacer le cadre ; gauche et droite passent d’un niveau à l’autre</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>La même case du niveau voisin</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Première et dernière case du niveau</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Entrée, Espace</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Poser votre pion dans la case encadrée</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Lire la rangée passant par le cadre</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Lire la colonne passant par le cadre</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Lire le pilier passant par le cadre</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>À qui de jouer, et le score</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>Le dernier coup de chaque camp</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Les cases où un camp compléterait une ligne au prochain coup</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Touche</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Redessin continu</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 joueurs</translation>
    </message>
</context>
</TS>
