<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Последовательный терминал Korvel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>Терминал последовательного порта для USB-датчиков Korvel и других устройств, обменивающихся JSON или текстом по последовательной линии.</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>Время сборки</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Веб-сайт</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>Создано на Qt %1, используемой на условиях GNU Lesser General Public License v3 (LGPLv3). Qt является товарным знаком The Qt Company Ltd. Qt подключается динамически: её библиотеки можно заменить совместимой сборкой под LGPLv3.</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>Отброшено неотправленных байт: %1.</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>Не удаётся сохранить настройки в %1; изменения действуют только до закрытия приложения.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>Порт не открыт — сначала нажмите «Открыть порт».</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>Пакет «%1» запущен — шагов: %2.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>Пакет «%1» остановлен.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>Пакет «%1» выполнен.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>Введите имя файла.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>Имя файла не может содержать «/», «\» или управляющие символы.</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>Выберите папку для журнала.</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>Не удалось записать журнал в %1.</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Журнал сохранён в %1</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>Не удаётся записать непрерывный журнал %1: %2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>Сначала введите путь к последовательному устройству.</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 переподключён · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>Не отправлено: «%1» в позиции %2 не является шестнадцатеричной цифрой.</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>Не отправлено: в тексте нет шестнадцатеричных цифр.</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>Отправлено; в историю не добавлено, так как длиннее 4 КиБ.</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>Не отправлено: устройство не читает данные — в очереди на отправку ещё %1 байт.</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>Не отправлено: %1 байт — больше, чем порт может принять за раз (%2).</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 ОЖИДАНИЕ</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 ОТКРЫТ</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 ЗАКРЫТ</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>ожидание повторного подключения устройства</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>Сначала выберите последовательный порт.</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 открыт · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Порт закрыт</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>Папка загрузки %1 является ссылкой; удалите её и повторите попытку.</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>Папка загрузки %1 принадлежит другому пользователю; удалите её и повторите попытку.</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>Сервер обновлений не настроен (.env) — используется только встроенная библиотека команд.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>Библиотека команд актуальна (%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>Доступна версия %1, но для неё нужна версия приложения %2 или новее — сначала обновите приложение.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Доступна версия %1.</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>Не удалось применить загруженные данные: %1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>Обновлено до %1.</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>Сервер обновлений не настроен (.env).</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>У вас последняя версия (%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>Доступна версия %1, но обновиться до неё можно только с версии %2 или новее — переустановите приложение и повторите попытку.</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>Нет папки для временных файлов загрузки.</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Загрузка обновления…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Загрузка отменена.</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>Установка обновления %1…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>На этой платформе самообновление пока не поддерживается — загрузите новую версию вручную.</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>Не помещено в поле отправки: %L1 символов — больше, чем может быть в команде (%L2).</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>После подстановки команда будет длиннее %L1 символов — больше, чем допустимо для команды; проверьте значения.</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>Непрерывный журнал %1 снова записывается. Строк, которые не удалось в него записать: %n (%2); место отмечено строкой в файле.</numerusform>
            <numerusform>Непрерывный журнал %1 снова записывается. Строк, которые не удалось в него записать: %n (%2); место отмечено строкой в файле.</numerusform>
            <numerusform>Непрерывный журнал %1 снова записывается. Строк, которые не удалось в него записать: %n (%2); место отмечено строкой в файле.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>Строк, так и не попавших в непрерывный журнал %1: %n (%2).</numerusform>
            <numerusform>Строк, так и не попавших в непрерывный журнал %1: %n (%2).</numerusform>
            <numerusform>Строк, так и не попавших в непрерывный журнал %1: %n (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>Новая библиотека команд используется, но её не удалось сохранить для следующего запуска: %1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>Режим отправки переключён на ASCII: эта команда — текст.</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>Параметры порта для %1 показаны для следующего открытия: %2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[файл %1 · отправлено байт: %L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 отправлен.</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>Отправка %1 отменена; отправлено байт: %L2.</translation>
    </message>
</context>
<context>
    <name>BatchStepReply</name>
    <message>
        <source>Wait for</source>
        <translation>Ждать</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>регулярное выражение</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>шестнадцатеричные байты</translation>
    </message>
    <message>
        <source>e.g. 01 03 ?? ??</source>
        <translation>напр. 01 03 ?? ??</translation>
    </message>
    <message>
        <source>e.g. T=[0-9]+</source>
        <translation>напр. T=[0-9]+</translation>
    </message>
    <message>
        <source>e.g. OK</source>
        <translation>напр. OK</translation>
    </message>
    <message>
        <source>If no reply within</source>
        <translation>Если ответа нет за</translation>
    </message>
    <message>
        <source>ms:</source>
        <translation>мс:</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>остановить пакет</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>продолжить</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>Модель устройства · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Поиск команд</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>Перетащите строку, чтобы изменить порядок</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>Пакетные команды</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>Новый шаблон</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>Изменить шаблон</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>Например, «Сброс устройства»</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>Текст для отправки как есть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>Пакетных команд пока нет</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>шагов: %1 · интервал %2 мс</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ Стоп</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ Запуск</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>Новый пакет</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>Изменить пакетную команду</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>Новая пакетная команда</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>Например, «Последовательность запуска»</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>Текст команды</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Добавить шаг</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>Удалить шаблон</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>Удалить шаблон «%1»? Это действие нельзя отменить.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Последовательный терминал Korvel для датчиков Korvel и любых других последовательных устройств.</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>Выбрать порт PATH: имя из списка портов (ttyUSB0) или любой путь к устройству (/dev/serial/by-id/..., /tmp/hx4).</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>Скорость N бит/с, одно из значений: %1.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>Открыть порт при запуске с параметрами, показанными в окне.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>Запустите «%1 --help», чтобы увидеть список параметров.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>Для --port нужно имя порта или путь к устройству.</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud: скорости «%1» нет среди предлагаемых в окне (%2).</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>Нужны параметры</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
</context>
<context>
    <name>ControlLines</name>
    <message>
        <source>Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR for the reset.</source>
        <translation>Сброс устройства использует RTS, которым управляет управление потоком RTS/CTS: выберите DTR для сброса.</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>Сброс устройства: импульс %1 длительностью %2 мс.</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>Порт не отправил сигнал break.</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>Сигнал break отправлен (%1 мс).</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>У этого порта нет линий управления модемом.</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>У этого порта нет линий управления модемом.</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>Линии управления</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>Пока порт открыт, RTS управляет управление потоком RTS/CTS.</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Сбросить устройство</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>Включать DTR после открытия</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>Включать RTS после открытия</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>Импульс сброса на</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
</context>
<context>
    <name>DataMonitorView</name>
    <message>
        <source>Data monitor</source>
        <translation>Монитор данных</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>строк: %1</translation>
    </message>
    <message>
        <source>Rx %1</source>
        <translation>Rx %1</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>Сохранить журнал…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>Пауза · %n новая строка</numerusform>
            <numerusform>Пауза · %n новые строки</numerusform>
            <numerusform>Пауза · %n новых строк</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>Журнал заполнен: видимые строки удаляются.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>Показать как JSON</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>Удалённый сервер обновлений не настроен (.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>Некорректный ответ: %1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>Контрольная сумма не совпадает — загруженные данные могут быть повреждены.</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>В ответе нет массива models[].</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>Возможно, нет драйвера порта</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>Скачать драйвер</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>Похоже, на этом компьютере не установлен драйвер USB-UART CH340. Без него подключённое устройство Korvel не появится в списке доступных последовательных портов.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Больше не показывать</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>Загрузка драйверов</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>Для этой платформы драйверы не требуются.</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установлен</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>Не обнаружен</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>Драйвер USB-UART, который используют большинство устройств Korvel</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>Хранится не более %1 полей. Не добавлено (%n и более): %2.</numerusform>
            <numerusform>Хранится не более %1 полей. Не добавлено (%n и более): %2.</numerusform>
            <numerusform>Хранится не более %1 полей. Не добавлено (%n и более): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>Хранится не более %1 полей. Не добавлено (%n): %2.</numerusform>
            <numerusform>Хранится не более %1 полей. Не добавлено (%n): %2.</numerusform>
            <numerusform>Хранится не более %1 полей. Не добавлено (%n): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>Не прочитано строк (%n): повреждённый JSON, вложенность глубже %1 уровней или длина больше %2 КиБ.</numerusform>
            <numerusform>Не прочитано строк (%n): повреждённый JSON, вложенность глубже %1 уровней или длина больше %2 КиБ.</numerusform>
            <numerusform>Не прочитано строк (%n): повреждённый JSON, вложенность глубже %1 уровней или длина больше %2 КиБ.</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>Этой строки больше нет в журнале.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>Введите имя файла.</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>Не удалось записать изображение в %1.</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>Здесь появляются поля полученных объектов JSON, строк вида label:value и строк чисел, с графиком в реальном времени.</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 мин</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 мин</translation>
    </message>
    <message>
        <source>All kept</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>Интервал времени на графике</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>Подогнать</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>max</source>
        <translation>макс.</translation>
    </message>
    <message>
        <source>Pause plot</source>
        <translation>Приостановить график</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>Очистить поля</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>Сохранить график в PNG…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>Сохранить отсчёты в CSV…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>Скрыть поля</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>Последнее</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Rate/s</source>
        <translation>Част./с</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Отсчёты</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>Отметьте числовые поля в таблице, чтобы построить их график.</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>Сохранить график в PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>Сохранить отсчёты в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>Отправить файл</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>Файл для отправки</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>Байты как есть в файле</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>Текст построчно, каждая строка заканчивается %1</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>Пауза после каждой строки или блока</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>Отправка %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>отправлено %1 из %2</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>отправлено %1 из %2 · осталось около %L3 с</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>Порт закрылся до того, как был отправлен весь файл.</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>Файл уже отправляется.</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>Порт не открыт — сначала нажмите «Открыть порт».</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>Не удаётся отправить %1: %2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>Порт не принял данные %1.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>Поиск…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Совпадений нет</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n совпадение</numerusform>
            <numerusform>%n совпадения</numerusform>
            <numerusform>%n совпадений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>%1 из %n</numerusform>
            <numerusform>%1 из %n</numerusform>
            <numerusform>%1 из %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Find bytes (hex, e.g. 0A 01 7F)</source>
        <translation>Найти байты (hex, напр. 0A 01 7F)</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>Найти в журнале</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>Искать в принятых строках</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>Искать в отправленных строках</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>Искать в уведомлениях</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>Искать в ошибках</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Предыдущее совпадение (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Следующее совпадение (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>Только совпадения</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>Показывать только совпадающие строки</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>%n строка скрыта</numerusform>
            <numerusform>%n строки скрыты</numerusform>
            <numerusform>%n строк скрыто</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
</context>
<context>
    <name>FramingOptions</name>
    <message>
        <source>Lines</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Frames by silence</source>
        <translation>Кадры по паузе</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>Пауза кадра</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>При включённом CRC каждый кадр помечается по его CRC-16/MODBUS.</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>Можно хранить не более %n правила.</numerusform>
            <numerusform>Можно хранить не более %n правил.</numerusform>
            <numerusform>Можно хранить не более %n правил.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>Правилу нужен шаблон.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>«%1» — не цвет палитры.</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>Правил пока нет: строки сохраняют цвета монитора.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>Текст для выделения, напр. ERROR</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>Сохранить правило</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Добавить правило</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>Правила подсветки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>Строка как JSON</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>строка заканчивается раньше, чем значение JSON</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>ожидалось значение</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>ожидался ключ в двойных кавычках</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>после ключа ожидалось &quot;:&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>ожидалось &quot;,&quot; или &quot;}&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>ожидалось &quot;,&quot; или &quot;]&quot;</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>число записано неверно</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>строка содержит неизвестную escape-последовательность</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>строка содержит управляющий символ</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>строка содержит байты не в UTF-8</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>вложенность глубже %1 уровней</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>после значения JSON идёт ещё текст</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>Строка слишком длинная, чтобы показать её как JSON (%1 байт).</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>Строка пуста: в ней нет JSON.</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>Неверный JSON начиная с символа %1: %2.</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>Библиотека больше %1 байт.</translation>
    </message>
</context>
<context>
    <name>LineEndChooser</name>
    <message>
        <source>Line end</source>
        <translation>Конец строки</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>the disk did not keep up with the lines</source>
        <translation>диск не успевал записывать строки</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>[CRC ok]</source>
        <translation>[CRC верна]</translation>
    </message>
    <message>
        <source>[CRC bad]</source>
        <translation>[CRC неверна]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>Строк, которые не удалось записать сюда: %n (%1)</numerusform>
            <numerusform>Строк, которые не удалось записать сюда: %n (%1)</numerusform>
            <numerusform>Строк, которые не удалось записать сюда: %n (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>Шаблон длиннее %n символа.</numerusform>
            <numerusform>Шаблон длиннее %n символов.</numerusform>
            <numerusform>Шаблон длиннее %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>Недопустимое регулярное выражение: %1 (символ %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>«%1» в позиции %2 — не шестнадцатеричная цифра.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Последовательный терминал Korvel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Сохранить журнал</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>П&amp;орт</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>Открыть путь к устройству…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Переподключаться автоматически</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Приостановить прокрутку</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>Загрузка драйверов</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>Драйвер порта не установлен — нажмите, чтобы узнать подробности</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>Не удалось открыть порт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>Остановить непрерывную запись</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>Очистить монитор</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>Закрыть порт</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>Открыть порт</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>Поля и график</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Найти…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Сбросить устройство</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>Отправить break</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>Отправить файл…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1 не существует. Проверьте путь и подключено ли устройство.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1 — это папка, а не последовательное устройство.</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1 — это обычный файл, а не последовательное устройство.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 не является последовательным устройством.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Не удаётся открыть %1: %2.</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>Это не последовательное устройство.</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>Чтобы получить доступ в Linux, добавьте своего пользователя в группу-владельца устройства (%1), например командой «sudo usermod -aG %1 $USER», затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>Порт занят другой программой: %1 (процесс %2). Закройте порт в ней и повторите попытку.</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>Порт занят другой программой (процесс %1). Закройте порт в ней и повторите попытку.</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>Порт занят другой программой. Закройте порт в ней и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>Порты не найдены</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>Открыть путь к устройству…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>Устройство, которого нет в списке</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>Путь к устройству</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>Неизвестное устройство</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ПУТЬ</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 пропал</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>Выберите порт</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>нет папки для временных файлов обновления</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>не удалось запустить «tar» (входит в Windows 10 1803+/Windows 11) — %1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>«tar» не успел распаковать обновление</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>ошибка «tar» (код выхода %1): %2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>в загруженном архиве нет %1 — это не пакет выпуска</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>не удалось записать сценарий обновления в %1: %2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>служба обновлений не опубликовала контрольную сумму этого пакета — проверить его невозможно</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>загруженное обновление не совпадает с опубликованной контрольной суммой — оно может быть повреждено или подделано</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>не удалось запустить сценарий обновления %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Он больше %1 байт.</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>Удалённая поддержка</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>Отправьте код ниже в поддержку Korvel, чтобы специалисты могли подключиться к вашему компьютеру и помочь разобраться с неполадками устройства.</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>Ваш код</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>Действует 10 минут · только в этом сеансе</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Копировать код</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Создать заново</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>Одноразовый пароль</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>Разрешить поддержке отправку и приём через порт</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>Предоставить журнал этого сеанса</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>Полный доступ к рабочему столу</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>Начать сеанс</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>Для удалённой поддержки нужен сервис сигнализации/ретрансляции, которого в этой сборке пока нет. Код сеанса и разрешения выше будут готовы к подключению, как только такой канал появится.</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>Передача не завершилась вовремя (%n с).</numerusform>
            <numerusform>Передача не завершилась вовремя (%n с).</numerusform>
            <numerusform>Передача не завершилась вовремя (%n с).</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>Ответ больше %1 байт — больше, чем может понадобиться для этого запроса.</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>Загрузка не продвигалась %n с.</numerusform>
            <numerusform>Загрузка не продвигалась %n с.</numerusform>
            <numerusform>Загрузка не продвигалась %n с.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>«%1» в позиции %2 не является ни шестнадцатеричной цифрой, ни частью «??».</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>Укажите, что должен содержать ответ.</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>текст «%1»</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>регулярное выражение «%1»</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>шестнадцатеричные байты %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>Шаг %1: шаблон ответа нельзя использовать: %2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>Шаг %1: ожидание ответа, совпадающего с %3, не дольше %2 мс.</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>Шаг %1: порт закрылся во время ожидания ответа.</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>Шаг %1: ответ, совпадающий с %2, пришёл через %3 мс.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>Шаг %1: нет ответа, совпадающего с %2, за %3 мс; продолжаем.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>Шаг %1: нет ответа, совпадающего с %2, за %3 мс.</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>Сохранить журнал сеанса</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>Обычный текст (.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>HEX-дамп</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>Продолжать запись на диск, по файлу в день</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>Сейчас идёт запись в %1</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>Сохранение остановит запись в %1</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>Введите данные для отправки…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>Отправлять как</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Enter отправляет · Shift+Enter — новая строка</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Enter отправляет</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>Отправить (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>История отправки</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Очистить историю</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>История пока пуста</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>Последовательный порт %1 отключён.</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Чёт</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>None</source>
        <comment>line end</comment>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>Порт · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Стоп-биты</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Упр. потоком</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>Закрыть порт</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Прекратить ожидание</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>Открыть порт</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Переподключаться автоматически</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>Приём · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>Показывать время</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Переносить строки</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>Эхо отправленных данных</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>Передача · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>Добавлять CRC (CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>Повтор отправки</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>Открыть путь к устройству</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>Любое последовательное устройство или псевдотерминал; открывается с параметрами панели порта. Открытые здесь пути остаются в списке портов, пока существуют.</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>Ключ API в .env содержит управляющий символ (например, NUL или перевод строки); он не был отправлен.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>Настройки и о программе</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>Системный шрифт</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>Шрифт монитора данных</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>Библиотека команд</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Актуальна</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Платформа</translation>
    </message>
    <message>
        <source>%1 (Qt %2)</source>
        <translation>%1 (Qt %2)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>Скачать и применить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Enter отправляет (Shift+Enter — новая строка)</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n модель</numerusform>
            <numerusform>%n модели</numerusform>
            <numerusform>%n моделей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n команда</numerusform>
            <numerusform>%n команды</numerusform>
            <numerusform>%n команд</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>Правила подсветки</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>Строки, совпадающие с шаблоном, можно выделять цветом.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n правило выделяет совпадающие строки.</numerusform>
            <numerusform>%n правила выделяют совпадающие строки.</numerusform>
            <numerusform>%n правил выделяют совпадающие строки.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>Изменить правила…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>Сервер обновлений не настроен (.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>Некорректный ответ: %1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>Сервер сообщил об ошибке.</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>Приложение не зарегистрировано на сервере обновлений (slug «%1» не найден).</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>Загрузка не завершена: получено %1 из %2 байт.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Не удаётся записать в %1: %2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>Адрес пакета «%1» не является адресом http или https; ничего не загружено.</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>Пакет больше заявленных службой обновлений %1 байт.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>Доступна версия %1 (у вас %2)</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>Без этого обновления продолжить работу с приложением нельзя.</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>Открыть страницу загрузки</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>Пакет %1 · шаг %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>Запись в %1</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — щёлкните, чтобы открыть папку</translation>
    </message>
</context>
</TS>
