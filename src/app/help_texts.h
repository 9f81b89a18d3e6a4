// The two texts of the help dialog and their captions.
#pragma once

#include <array>

#include <QCoreApplication>
#include <QString>

namespace trimbol::app {

// Each text is translated whole, in the context "Help".
inline QString HelpText(const char* text) { return QCoreApplication::translate("Help", text); }

inline constexpr char kInstructionsCaption[] = QT_TRANSLATE_NOOP("Help", "Инструкции");
// Ten lines, each ended by a line feed, the last one too.
inline constexpr char kInstructionsText[] = QT_TRANSLATE_NOOP("Help",
    "Помощь\n"
    "Используйте жмыкание по полю, чтобы ставить знаки\n"
    "В настройках поставьте автомат, чтобы включить\n"
    "игру компьютера.\n"
    "Интеллект - чтобы ставить качество игры компа\n"
    "Ставьте Полн.Авт чтобы включить весь интеллект\n"
    "и все компьютеры.\n"
    "Жмите цифры на клаве 1-9 чтобы грузить музыку из директории с именами\n"
    "1.wav,2.wav,3.wav,4.mp3,5.mp3,6.mp3,7.mid,8.mid,9.mid\n"
    "8 и 9 поставляются с игрой\n");

// Paragraphs shown after the instructions, each after an empty line; the
// ten lines above stay as they are.
inline constexpr char kKeyboardParagraph[] = QT_TRANSLATE_NOOP("Help",
    "Без мыши: Tab переходит на доску, стрелки двигают рамку,\n"
    "PageUp и PageDown (или Ctrl+стрелки) - на соседний слой,\n"
    "Home и End - в первую и последнюю клетку слоя,\n"
    "Enter или пробел ставят знак. Меню - клавиша меню или Shift+F10\n");
inline constexpr char kUndoHintParagraph[] = QT_TRANSLATE_NOOP("Help",
    "Ctrl+Z отменяет ваш последний ход и ответы компьютера на него,\n"
    "Ctrl+H показывает клетку, которую выбрал бы Мастер, и почему\n");
inline constexpr char kReadingParagraph[] = QT_TRANSLATE_NOOP("Help",
    "На доске для чтения с экрана: R (К) - ряд, C (С) - столбец,\n"
    "P (З) - столб через клетку, S (Ы) - чей ход и счёт,\n"
    "L (Д) - последние ходы, T (Е) - где можно закончить линию\n");
inline constexpr char kShortcutsLine[] = QT_TRANSLATE_NOOP("Help", "Все клавиши - Ctrl+? (Помощь - Клавиши)\n");
inline constexpr std::array<const char*, 4> kInstructionsAdditions = {kKeyboardParagraph, kUndoHintParagraph,
                                                                      kReadingParagraph, kShortcutsLine};

inline constexpr char kAboutCaption[] = QT_TRANSLATE_NOOP("Help", "О программе...");
// Five lines separated by line feeds, none after the last.
inline constexpr char kAboutText[] = QT_TRANSLATE_NOOP("Help",
    "Тримбол\n"
    "Версия 5.2\n"
    "Программирование и дизайн - команда Тримбол\n"
    "Идея - команда Тримбол\n"
    "© команда Тримбол, 2026");

}  // namespace trimbol::app
