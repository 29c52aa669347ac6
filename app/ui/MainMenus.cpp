#include "MainMenus.h"

#include "MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QMenuBar* bar, Hooks hooks)
    : QObject(bar), bar_(bar), hooks_(std::move(hooks)) {
    Build();
    SetUndoState(false, QString(), false, QString());
}

void MainMenus::Build() {
    using Row = MenuTable::MenuRow;
    auto item = [](QMenu* menu, const char* name, const QString& caption, bool checkable) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (checkable) {
            // A check mark is the program's to set, never a side effect of the click:
            // undo the toggle before any handler runs.
            action->setCheckable(true);
            connect(action, &QAction::triggered, action,
                    [action](bool checked) { action->setChecked(!checked); });
        }
        return action;
    };
    auto sends = [this](QAction* action, const QString& command) {
        connect(action, &QAction::triggered, this, [this, command] { hooks_.send(command); });
    };

    QMenu* top = nullptr;
    QMenu* menu = nullptr;
    for (const Row& row : MenuTable::Menus()) {
        const QString caption = MenuTable::Tr(row.caption);
        switch (row.kind) {
        case Row::Kind::Menu:
            top = menu = bar_->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            continue;
        case Row::Kind::SubMenu:
            menu = top->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            continue;
        case Row::Kind::End:
            menu = top;
            continue;
        case Row::Kind::Separator: {
            QAction* line = menu->addSeparator();
            line->setObjectName(QString::fromLatin1(row.name));
            line->setVisible(!row.hidden);
            continue;
        }
        case Row::Kind::Recent:
            for (int i = 0; i < static_cast<int>(recent_.size()); ++i) {
                QAction* recent = menu->addAction(QString());
                recent->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i));
                recent->setVisible(false);
                const auto command =
                    static_cast<CommandId>(static_cast<int>(CommandId::LoadRecent0) + i);
                connect(recent, &QAction::triggered, this,
                        [this, command] { hooks_.run(command); });
                recent_[static_cast<size_t>(i)] = recent;
            }
            continue;
        case Row::Kind::Levels:
            for (const DifficultyEntry& entry : ZelkStates::Levels()) {
                QAction* level = item(menu, entry.menuItem, ZelkStates::Tr(entry.caption), true);
                connect(level, &QAction::triggered, this, [this, level] { OnLevel(level); });
            }
            continue;
        case Row::Kind::Sizes:
            for (const FormSizeEntry& size : ZelkStates::FormSizes()) {
                sends(item(menu, size.menuItem, ZelkStates::Tr(size.caption), true),
                      QString::fromLatin1(size.command));
            }
            continue;
        case Row::Kind::Item:
            break;
        }
        QAction* action = item(menu, row.name, caption, row.checkable);
        if (row.shortcut != 0) {
            action->setShortcut(QKeySequence(row.shortcut));
        }
        action->setVisible(!row.hidden);
        action->setEnabled(!row.disabled);
        switch (row.does) {
        case Row::Does::Command: {
            const CommandId command = row.command;
            connect(action, &QAction::triggered, this, [this, command] { hooks_.run(command); });
            break;
        }
        case Row::Does::DrawMode:
            connect(action, &QAction::triggered, this, [this] { hooks_.drawMenu(); });
            break;
        case Row::Does::ProInterface:
            connect(action, &QAction::triggered, this, [this] { hooks_.proInterfaceMenu(); });
            break;
        case Row::Does::Nothing:
            break;
        }
    }
}

QAction* MainMenus::Action(const QString& name) const {
    return bar_->findChild<QAction*>(name);
}

void MainMenus::SetRecentItem(int index, const QString& text) {
    QAction* item = recent_[static_cast<size_t>(index)];
    item->setText(text);
    item->setVisible(!text.isEmpty());
}

void MainMenus::SetRecentSeparatorVisible(bool visible) {
    Action(QStringLiteral("mnuFileHyphenForThumbNail"))->setVisible(visible);
}

void MainMenus::SetChecked(IMainWindow::CheckItem item, bool checked) {
    using Item = IMainWindow::CheckItem;
    const char* name = item == Item::DataPathFixed      ? "mnuDataPathFixed"
                       : item == Item::ProInterface     ? "mnuOptionProInterface"
                       : item == Item::LanguageJapanese ? "mnuLanguageJapanese"
                                                        : "mnuLanguageEnglish";
    Action(QString::fromLatin1(name))->setChecked(checked);
}

void MainMenus::SetUndoState(bool canUndo, const QString& undoText, bool canRedo,
                             const QString& redoText) {
    const auto caption = [](const char* base, const QString& step) {
        const QString text = MenuTable::Tr(base);
        return step.isEmpty() ? text : text + QStringLiteral(" (") + step + u')';
    };
    if (QAction* undo = Action(QStringLiteral("mnuUndo"))) {
        undo->setEnabled(canUndo);
        undo->setText(caption("元に戻す", canUndo ? undoText : QString()));
    }
    if (QAction* redo = Action(QStringLiteral("mnuRedo"))) {
        redo->setEnabled(canRedo);
        redo->setText(caption("やり直し", canRedo ? redoText : QString()));
    }
}

void MainMenus::ShowDrawing(bool drawing) {
    Action(QStringLiteral("mnuDraw"))->setChecked(drawing);
    for (const char* name : {"mnuBeginner", "mnuMidClass", "mnuSenior"}) {
        Action(QString::fromLatin1(name))->setEnabled(drawing);
    }
}

void MainMenus::CheckLevel(DifficultyLevel level) {
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        Action(QString::fromLatin1(entry.menuItem))->setChecked(entry.level == level);
    }
}

void MainMenus::CheckSize(const char* menuItem) {
    for (const FormSizeEntry& entry : ZelkStates::FormSizes()) {
        Action(QString::fromLatin1(entry.menuItem))
            ->setChecked(QLatin1String(menuItem) == QLatin1String(entry.menuItem));
    }
}

void MainMenus::OnLevel(QAction* level) {
    QString command;
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        QAction* a = Action(QString::fromLatin1(entry.menuItem));
        a->setChecked(a == level);
        if (a == level) {
            command = QString::fromLatin1(entry.command);
        }
    }
    hooks_.send(command);
}

void MainMenus::Retranslate() {
    using Row = MenuTable::MenuRow;
    for (const Row& row : MenuTable::Menus()) {
        const QString name = QString::fromLatin1(row.name);
        if (row.kind == Row::Kind::Menu || row.kind == Row::Kind::SubMenu) {
            if (auto* menu = bar_->findChild<QMenu*>(name)) {
                menu->setTitle(MenuTable::Tr(row.caption));
            }
        } else if (row.kind == Row::Kind::Item) {
            if (QAction* action = Action(name)) {
                action->setText(MenuTable::Tr(row.caption));
            }
        }
    }
    for (const DifficultyEntry& entry : ZelkStates::Levels()) {
        Action(QString::fromLatin1(entry.menuItem))->setText(ZelkStates::Tr(entry.caption));
    }
    for (const FormSizeEntry& size : ZelkStates::FormSizes()) {
        Action(QString::fromLatin1(size.menuItem))->setText(ZelkStates::Tr(size.caption));
    }
}

void MainMenus::ExecViewMenu(QWidget* parent, const QPoint& globalPos, bool turning) {
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("mnuViewContext"));
    for (const MenuTable::ContextRow& row : MenuTable::ViewContextMenu()) {
        if (row.caption == nullptr) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(MenuTable::Tr(row.caption));
        // Undo and redo as the edit menu has them; the standard views wait for a turn.
        const char* same = row.command == CommandId::Undo   ? "mnuUndo"
                           : row.command == CommandId::Redo ? "mnuRedo"
                                                            : nullptr;
        if (same != nullptr) {
            const QAction* edit = Action(QString::fromLatin1(same));
            action->setText(edit->text());
            action->setEnabled(edit->isEnabled());
        } else {
            action->setEnabled(!turning || row.command == CommandId::NormalCopy);
        }
        const CommandId command = row.command;
        connect(action, &QAction::triggered, this, [this, command] { hooks_.run(command); });
    }
    menu.exec(globalPos);
}
