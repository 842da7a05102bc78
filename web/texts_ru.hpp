#pragma once

// The page's own texts in Russian.

#include "web/page_texts.hpp"

namespace web {

inline constexpr PageTexts kRussianPage{
    .title = "valvenet — выходной каскад лампового передатчика",
    .intro =
        "П-контур на нескольких частотах: те же расчёты, что у valvenet-plan, прямо в "
        "браузере, без установки и без сети.",
    .form = "Исходные данные",
    .language = "Язык",
    .results = "Результаты",
    .table = "Таблица",
    .plot = "Частотная характеристика",
    .plot_at = "График для частоты, МГц",
    .json = "JSON (как valvenet-plan --format json)",
    .compute_ms = "Пересчёт, мс:",
    .errors = "Ошибки",
    .not_current = "Результаты ниже — для прежних данных: исправьте ошибки, и они пересчитаются.",
    .loading = "Загрузка…",
    .save_json = "Сохранить JSON",
    .save_csv = "Сохранить CSV",
    .save_table = "Сохранить таблицу",
    .save_svg = "Сохранить SVG",
    .open_json = "Открыть JSON",
    .opened = "Данные из файла %1",
    .all_results = "Все результаты по частотам",
    .totals = "Итоги по всем частотам",
    .status = "Пересчитано. Частот: %1, отклонено: %2, предупреждений: %3",
    .command_line = "Та же задача в командной строке",
    .copy_command = "Копировать команду",
    .copy_link = "Копировать ссылку",
    .filled_from_example = "В ссылке были не все значения: недостающие взяты из примера расчёта.",
};

}  // namespace web
