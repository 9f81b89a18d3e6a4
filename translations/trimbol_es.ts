<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>cruz</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>garabato</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>espiral</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Capa %1, fila %2, columna %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Cruces</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Garabatos</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Espirales</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Ocupada</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>No hay partida. Partida nueva: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Jugadas deshechas: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Victorias: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Aún no hay jugadas</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Nadie puede completar una línea en una jugada</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Líneas por completar. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>       ¡EMPATE!      </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>   Ganan las cruces  </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation>  Ganan los círculos </translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation> Ganan los garabatos </translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation> Ganan las espirales </translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Turno de cruces</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Turno de círculos</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Turno de garabatos</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Turno de espirales</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Barra de estado</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Instrucciones</translation>
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
        <translation>Ayuda
Haga clic en una casilla del tablero para poner su ficha.
En Opciones, ponga el Automático de un bando para
que lo juegue el ordenador.
Nivel ajusta lo bien que juega el ordenador.
Todo auto da todos los bandos al ordenador
con toda su fuerza.
Las teclas 1-9 ponen la música de los archivos
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 y 9 vienen con el juego
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Sin ratón: Tab lleva al tablero, las flechas mueven el marco,
RePág y AvPág (o Ctrl+flechas) pasan a la capa vecina,
Inicio y Fin van a la primera y la última casilla de la capa,
Intro o Espacio pone una ficha. Menú: la tecla Menú o Mayús+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Versión 5.2
Programación y diseño: el equipo de Trimbol
Idea: el equipo de Trimbol
© el equipo de Trimbol, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z deshace su última jugada y las respuestas del ordenador,
Ctrl+H muestra la casilla que elegiría el Maestro, y por qué
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>En el tablero, para un lector de pantalla: R - la fila, C - la columna,
P - el pilar que pasa por la casilla, S - a quién le toca y el marcador,
L - las últimas jugadas, T - dónde se puede completar una línea
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Todas las teclas: Ctrl+? (Ayuda - Teclas)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>cruces</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>círculos</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>garabatos</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>espirales</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Completa %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Bloquea %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Dos amenazas a la vez</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Una línea en %1 jugadas como mucho</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Ninguna derrota forzada</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>La defensa más larga</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>Más líneas abiertas</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Sin defensa tras la jugada %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>fila %1 de la capa %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>columna %1 de la capa %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>pilar en fila %1, columna %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>capa %1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Cruces</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Garabatos</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Espirales</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Débil</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Ninguno</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Marcador:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Todo auto</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+No</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Inicio auto</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Diagonales</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Deshacer jugada</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Jugada decisiva</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>В игре</source>
        <translation>En la partida</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Deshacer tu última jugada y las respuestas del ordenador</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Pista: la casilla que elegiría el Maestro, y por qué</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Activar y desactivar el sonido</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Música de los archivos 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Tecla de menú, Mayús+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Abrir el menú</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>Al control siguiente o anterior; el último es el tablero</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Esta lista de teclas</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>En el tablero</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Mover el marco; izquierda y derecha cruzan los niveles</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>La misma casilla del nivel vecino</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Primera y última casilla del nivel</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Intro, Espacio</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Poner tu ficha en la casilla del marco</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Leer la fila que pasa por el marco</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Leer la columna que pasa por el marco</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Leer el pilar que pasa por el marco</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>A quién le toca, y el marcador</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>La última jugada de cada bando</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Casillas donde un bando completaría una línea en su próxima jugada</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Клавиша</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Acción</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Redibujo continuo</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 jugadores</translation>
    </message>
</context>
</TS>
