<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ru">
<context>
    <name>Board</name>
    <message>
        <source>пусто</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>крестик</source>
        <translation>xis</translation>
    </message>
    <message>
        <source>нолик</source>
        <translation>bolinha</translation>
    </message>
    <message>
        <source>закорюка</source>
        <translation>rabisco</translation>
    </message>
    <message>
        <source>спиралька</source>
        <translation>espiral</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Слой %1, ряд %2, столбец %3: %4</source>
        <translation>Camada %1, linha %2, coluna %3: %4</translation>
    </message>
    <message>
        <source>Крестики</source>
        <translation>Xis</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Bolinhas</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Rabiscos</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Espirais</translation>
    </message>
    <message>
        <source>Занято</source>
        <translation>Ocupada</translation>
    </message>
    <message>
        <source>Игры нет. Новая игра: F2</source>
        <translation>Sem partida. Nova partida: F2</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Взято назад: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Побед: %1</source>
        <translation>Vitórias: %1</translation>
    </message>
    <message>
        <source>Ходов ещё не было</source>
        <translation>Nenhuma jogada ainda</translation>
    </message>
    <message>
        <source>Линию одним ходом не завершит никто</source>
        <translation>Ninguém completa uma linha em uma jogada</translation>
    </message>
    <message>
        <source>Линию завершат. %1</source>
        <translation>Linhas a completar. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>        НИЧЬЯ!       </source>
        <translation>       EMPATE!       </translation>
    </message>
    <message>
        <source>  Крестики победили  </source>
        <translation>   Os xis venceram   </translation>
    </message>
    <message>
        <source>   Нолики победили   </source>
        <translation> As bolinhas venceram</translation>
    </message>
    <message>
        <source>  Закорюки победили  </source>
        <translation> Os rabiscos venceram</translation>
    </message>
    <message>
        <source>  Спиральки победили </source>
        <translation> As espirais venceram</translation>
    </message>
    <message>
        <source>Ход крестиков</source>
        <translation>Vez dos xis</translation>
    </message>
    <message>
        <source>Ход ноликов</source>
        <translation>Vez das bolinhas</translation>
    </message>
    <message>
        <source>Ход закорюков</source>
        <translation>Vez dos rabiscos</translation>
    </message>
    <message>
        <source>Ход спиральков</source>
        <translation>Vez das espirais</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Barra de status</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Инструкции</source>
        <translation>Instruções</translation>
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
        <translation>Ajuda
Clique em uma casa do tabuleiro para pôr sua peça.
Em Opções, ligue o Automático de um lado para
o computador jogar por ele.
Nível define o quanto o computador joga bem.
Tudo auto entrega todos os lados ao computador
com toda a força.
As teclas 1-9 tocam a música dos arquivos
1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid
8 e 9 vêm com o jogo
</translation>
    </message>
    <message>
        <source>Без мыши: Tab переходит на доску, стрелки двигают рамку,
PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,
Home и End - в первую и последнюю клетку слоя,
Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10
</source>
        <translation>Sem mouse: Tab vai para o tabuleiro, as setas movem a moldura,
PageUp e PageDown (ou Ctrl+setas) vão para a camada vizinha,
Home e End vão para a primeira e a última casa da camada,
Enter ou Espaço põe uma peça. Menu: a tecla Menu ou Shift+F10
</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Тримбол
Версия 5.2
Программирование и дизайн - команда Тримбол
Идея - команда Тримбол
© команда Тримбол, 2026</source>
        <translation>Trimbol
Versão 5.2
Programação e design: a equipe Trimbol
Ideia: a equipe Trimbol
© a equipe Trimbol, 2026</translation>
    </message>
    <message>
        <source>Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,
Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему
</source>
        <translation>Ctrl+Z desfaz sua última jogada e as respostas do computador a ela,
Ctrl+H mostra a casa que o Mestre escolheria, e por quê
</translation>
    </message>
    <message>
        <source>На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,
P (З) - столб через клетку, S (Ы) - чей ход и счёт,
L (Д) - последние ходы, T (Е) - где можно закончить линию
</source>
        <translation>No tabuleiro, para um leitor de tela: R - a linha, C - a coluna,
P - o pilar que passa pela casa, S - de quem é a vez e o placar,
L - as últimas jogadas, T - onde uma linha pode ser completada
</translation>
    </message>
    <message>
        <source>Все клавиши - Ctrl+? (Помощь - Клавиши)
</source>
        <translation>Todas as teclas: Ctrl+? (Ajuda - Teclas)
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>крестики</source>
        <translation>xis</translation>
    </message>
    <message>
        <source>нолики</source>
        <translation>bolinhas</translation>
    </message>
    <message>
        <source>закорюки</source>
        <translation>rabiscos</translation>
    </message>
    <message>
        <source>спиральки</source>
        <translation>espirais</translation>
    </message>
    <message>
        <source>Завершает %1</source>
        <translation>Completa %1</translation>
    </message>
    <message>
        <source>Перекрывает %1 (%2)</source>
        <translation>Bloqueia %1 (%2)</translation>
    </message>
    <message>
        <source>Две угрозы сразу</source>
        <translation>Duas ameaças de uma vez</translation>
    </message>
    <message>
        <source>Линия неизбежна, ходов до неё: %1</source>
        <translation>Uma linha em no máximo %1 jogadas</translation>
    </message>
    <message>
        <source>Проигрыш не вынужден</source>
        <translation>Nenhuma derrota forçada</translation>
    </message>
    <message>
        <source>Самая долгая защита</source>
        <translation>A defesa mais longa</translation>
    </message>
    <message>
        <source>Больше всего открытых линий</source>
        <translation>O maior número de linhas abertas</translation>
    </message>
    <message>
        <source>Без защиты после хода %1: %2, %3</source>
        <translation>Sem defesa após a jogada %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>ряд %1 слоя %2</source>
        <translation>linha %1 da camada %2</translation>
    </message>
    <message>
        <source>столбец %1 слоя %2</source>
        <translation>coluna %1 da camada %2</translation>
    </message>
    <message>
        <source>столб ряд %1, столбец %2</source>
        <translation>pilar na linha %1, coluna %2</translation>
    </message>
    <message>
        <source>слой %1, ряд %2, столбец %3</source>
        <translation>camada %1, linha %2, coluna %3</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Крестики</source>
        <translation>Xis</translation>
    </message>
    <message>
        <source>Нолики</source>
        <translation>Bolinhas</translation>
    </message>
    <message>
        <source>Закорюки</source>
        <translation>Rabiscos</translation>
    </message>
    <message>
        <source>Спиральки</source>
        <translation>Espirais</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Полу</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Heт</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Слабо</source>
        <translation>Fraco</translation>
    </message>
    <message>
        <source>Сильно</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>+Нет</source>
        <translation>+Nenhum</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Счет:</source>
        <translation>Placar:</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Полн.Авт</source>
        <translation>Tudo auto</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>+Выкл</source>
        <translation>+Não</translation>
    </message>
    <message>
        <source>Интеллект</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Автоначало</source>
        <translation>Início auto</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Игроки</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Диаг.выиг</source>
        <translation>Diagonais</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Отменить ход</source>
        <translation>Desfazer jogada</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Мастер</source>
        <translation>Mestre</translation>
    </message>
    <message>
        <source>Решающий ход</source>
        <translation>Jogada decisiva</translation>
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
        <translation>No jogo</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Отменить свой последний ход и ответы компьютера на него</source>
        <translation>Desfazer sua última jogada e as respostas do computador</translation>
    </message>
    <message>
        <source>Подсказка: клетка, которую выбрал бы Мастер, и почему</source>
        <translation>Dica: a casa que o Mestre escolheria, e por quê</translation>
    </message>
    <message>
        <source>Включить и выключить звук</source>
        <translation>Ligar e desligar o som</translation>
    </message>
    <message>
        <source>1 - 9</source>
        <translation>1 - 9</translation>
    </message>
    <message>
        <source>Музыка из файлов 1.wav ... 9.mid</source>
        <translation>Música dos arquivos 1.wav ... 9.mid</translation>
    </message>
    <message>
        <source>Клавиша меню, Shift+F10</source>
        <translation>Tecla de menu, Shift+F10</translation>
    </message>
    <message>
        <source>Открыть меню</source>
        <translation>Abrir o menu</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу окна; последний - доска</source>
        <translation>Para o controle seguinte ou anterior; o último é o tabuleiro</translation>
    </message>
    <message>
        <source>Инструкции</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Этот список клавиш</source>
        <translation>Esta lista de teclas</translation>
    </message>
    <message>
        <source>На доске</source>
        <translation>No tabuleiro</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Setas</translation>
    </message>
    <message>
        <source>Двигать рамку; влево и вправо - через слои</source>
        <translation>Mover a moldura; esquerda e direita passam pelas camadas</translation>
    </message>
    <message>
        <source>Та же клетка соседнего слоя</source>
        <translation>A mesma casa da camada vizinha</translation>
    </message>
    <message>
        <source>Первая и последняя клетка слоя</source>
        <translation>Primeira e última casa da camada</translation>
    </message>
    <message>
        <source>Enter, пробел</source>
        <translation>Enter, Espaço</translation>
    </message>
    <message>
        <source>Поставить знак в клетку рамки</source>
        <translation>Colocar sua peça na casa da moldura</translation>
    </message>
    <message>
        <source>R (К)</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Прочитать ряд через рамку</source>
        <translation>Ler a linha que passa pela moldura</translation>
    </message>
    <message>
        <source>C (С)</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Прочитать столбец через рамку</source>
        <translation>Ler a coluna que passa pela moldura</translation>
    </message>
    <message>
        <source>P (З)</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Прочитать столб через рамку</source>
        <translation>Ler o pilar que passa pela moldura</translation>
    </message>
    <message>
        <source>S (Ы)</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Чей ход и счёт</source>
        <translation>De quem é a vez, e o placar</translation>
    </message>
    <message>
        <source>L (Д)</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Последний ход каждой стороны</source>
        <translation>A última jogada de cada lado</translation>
    </message>
    <message>
        <source>T (Е)</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Клетки, где сторона закончит линию следующим ходом</source>
        <translation>Casas onde um lado completaria uma linha na próxima jogada</translation>
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
        <translation>Ação</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>trimbol::app::MainWindow</name>
    <message>
        <source>Постоянная прорисовка</source>
        <translation>Redesenho contínuo</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>1игрок</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>2игрока</source>
        <translation>2 jogadores</translation>
    </message>
</context>
</TS>
