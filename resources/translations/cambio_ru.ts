<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Обновлено: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Сделать %@ основной валютой?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Похоже, компьютер теперь находится в другой стране. Cambio может показать валюту этой страны в верхней строке.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Сменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio — конвертер валют для вашего рабочего стола</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Валюты</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Обновить курсы</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Сбросить суммы</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Параметры…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Отправить отзыв…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>О программе Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Завершить Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версия %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Курсы: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Курсы не обновлены</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Не удалось сменить основную валюту.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>не удаётся обновить курсы с %1: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>не удалось сохранить новые курсы в %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>ответ не в формате JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>ответ не является JSON-объектом с курсами</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>в ответе нет ни одного пригодного курса</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>в соединении отказано</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>не удаётся загрузить модуль: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>узел %@ не найден</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>соединение закрыто до получения полного ответа</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>это не HTTP-адрес: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>это не HTTP-адрес</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>ответ больше %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>время ожидания истекло через %@ с</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>не удаётся записать %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>другая программа удерживала блокировку %@</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>не удаётся заблокировать %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>больше 1 МиБ</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>параметры в %@ пропущены</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>неизвестная валюта: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>уже показывается: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>не показываемая валюта: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (закреплена)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>По местоположению: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Добавить валюту</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Доступные валюты</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL задаёт этот сервер на время сеанса.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio и cambio-cli запрашивают новые курсы у этого сервера. Оставьте поле пустым, чтобы использовать сервер этого компьютера.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Сменить основную валюту</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Сменить формат чисел</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Сменить…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Выберите валюту, которую нужно добавить в конвертер.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Выберите, как записываются суммы.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Чтобы изменить порядок, перетащите валюту или нажмите Alt+Вверх или Alt+Вниз.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Следовать за местоположением</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Следовать за местоположением компьютера</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Основная валюта</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Основная валюта:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить ниже</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Переместить выше</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Формат чисел</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Форматы чисел</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Формат чисел:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Суммы выглядят так: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Сервер курсов</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Сервер курсов:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Курсы</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Курсы:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Удалить валюту</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Восстановить по умолчанию</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Поиск валют</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Поиск форматов чисел</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Поиск по коду или названию</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Поиск по языку или региону</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Системный (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Не удалось сохранить изменение: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Конвертер показывает эти валюты под основной, в этом порядке.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>Основная валюта стоит в верхней строке конвертера.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Показываемые валюты</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Когда компьютер находится в другой стране, Cambio предлагает сделать валюту этой страны основной.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Обязательно</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Необязательно</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Отправка…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Введите адрес электронной почты.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Адрес электронной почты указан не полностью.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Напишите сообщение.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Не удалось сохранить сообщение: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Спасибо за отзыв.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Не удалось отправить отзыв.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Он отправлен.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Отправить отчёт</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Не отправлять</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Всегда отправлять</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Не удалось отправить отчёт о сбое.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Скопировать в буфер обмена</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Сохранить изображение…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Не удалось сохранить изображение как %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Не удалось подготовить письмо.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Не удалось открыть почтовую программу.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Расскажите, что вам нравится, чего не хватает или что пошло не так.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Ваше сообщение хранится в папке %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Ваше сообщение сохранено в %@. Причина:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>При последнем запуске Cambio неожиданно завершил работу.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Отправить отчёт об этом на %@? В нём сказано, что делала программа в момент остановки; в нём нет ничего из того, что вы вводили.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Отчёт о случившемся хранится на этом компьютере, в папке %@. Он никуда не отправляется: адрес для отправки отчётов не настроен.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Он остаётся в %@ и будет предложен снова при следующем запуске. Причина:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Курсы, поставляемые с Cambio, получены из API валют fawazahmed0/exchange-api (CC0 1.0). Границы стран взяты из country-coder (лицензия ISC, см. «%@»). Флаги — это iso-flags-svg из Debian (общественное достояние); флаги биткоина, карибского гульдена и зимбабвийского золота — собственные флаги Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Ваше сообщение будет храниться на этом компьютере, в папке %@. Оно никуда не отправляется: адрес для отправки отзывов не настроен.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Ваше сообщение будет отправлено на %@, а копия останется на этом компьютере.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Нет суммы для вставки.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Вставить можно только одну сумму за раз.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>«%@» — не сумма.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>В суммах не больше %@ цифр до десятичного разделителя.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>«%@» здесь обозначает больше одной валюты.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>«%@» обозначает больше одной валюты.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ нет среди показываемых валют.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Он остаётся среди новых отчётов в %@ и будет предложен снова при следующем запуске. Причина:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Оно остаётся среди ещё не отправленных сообщений в %@. Причина:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Не удалось отложить отчёт о сбое.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>не удаётся создать папку %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Курсам %@</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>курсы на %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>перенаправление на %@ отклонено</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>циклическое перенаправление</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>оно уводит с HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>больше %@ перенаправлений</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ без адреса назначения</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>сжатие ответа повреждено или после распаковки он превысил бы любой предел</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>ошибка согласования TLS: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Использование: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Пересчитывает суммы по курсам Cambio и изменяет валюты, которые показывает конвертер. Суммы читаются и записываются в текущей локали; коды валют — в любом регистре.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT в FROM, пересчитанная в каждую TO или в каждую строку конвертера</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>пересчёты, которые поиск рабочего стола показывает для TEXT, например «100 usd in eur» или «5 usd + 2 gbp in eur, jpy»</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>скопированная сводка всех строк для AMOUNT в FROM (без FROM — в основной валюте)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>все валюты из курсов с их названиями; --available: только ещё не показываемые; --filter: только найденные по TEXT</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>валюты, которые показывает конвертер, после изменения, если оно задано</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>основная валюта после того, как она задана кодом CODE или следует стране компьютера</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>загружает последние курсы с сервера курсов</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>дата курсов, затем курсы каждой валюты к доллару США и обратно; их возраст выводится в stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>использовать для сумм локаль ID (например, de_DE или ar_EG@numbers=latn для цифр от 0 до 9) вместо текущей</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>не предупреждать в stderr, что курсы устарели</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать информацию о версии и выйти</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Код возврата: 0 при успехе, 1 при неудаче операции, 2 при неверной командной строке.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ не принимает значения</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ требует значения</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>неизвестный параметр: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 не принимает аргументов: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>не задана команда (см. cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 не принимает параметр %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>неизвестная команда: %@ (см. cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>это не сумма: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert требует сумму и валюту: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query требует текст: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>это не пересчёт: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>в действующих курсах нет пригодного курса для %@</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>сумма слишком велика для пересчёта в %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary требует сумму: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>основная валюта не задана; укажите FROM или задайте её командой: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies не принимает валюту: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible принимает одну из форм: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main принимает одну валюту или --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update не принимает аргументов</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>курсы не обновлены</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>нет курсов: не удаётся прочитать ни файл курсов, ни собственную копию программы</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>запись файла курсов для %@ непригодна; показаны собственные курсы программы</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>запись файла курсов для %@ непригодна и пропущена</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>не удаётся записать вывод</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>не удаётся записать вывод: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>локаль не задана</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>неизвестная локаль: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>не десятичная система счисления: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>ключевое слово локали не поддерживается: %@ (поддерживаются numbers и currency)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Курсам %1: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Курсам %@: на сервере курсов нет более новых курсов</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Отдаёт Cambio курсы валют по адресу %1, собранные у Европейского центрального банка и в открытом API валют, а состояние каждого источника — по адресу %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Любой параметр, кроме --once, можно также задать в %@, по одной строке «name = value»; командная строка имеет приоритет.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>где ожидать подключений (по умолчанию %1; %2 для IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>ежедневные справочные курсы центрального банка (XML); %@ отключает их</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>долларовая таблица API валют (JSON); повторите для запасных адресов; %@ отключает её</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>таблица для валют, которых нет ни в одном живом источнике: документ курсов или ответ JSON (по умолчанию: начальная таблица самого конвертера)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>где хранится последняя исправная таблица (по умолчанию %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>насколько старыми могут быть новейшие курсы, чтобы таблица считалась актуальной (по умолчанию %1; не более %2, десять лет)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>завершить работу после такого времени без запросов, для активации через сокет (по умолчанию 0: никогда; не более %@, около 24 дней)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>загрузить один раз, записать таблицу в формате JSON в FILE и выйти; код возврата 1, если ни один живой источник не ответил</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>это не параметр настройки: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 требует URL http или https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 требует целое число секунд от %2 до %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>неожиданный аргумент: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 требует %2, например %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ требует файл</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (см. cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;месяц</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 месяца</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;год</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 лет</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Всё</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Не удалось загрузить: %@. Показаны курсы, сохранённые на этом компьютере.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>За этот период нет сохранённых курсов.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 за %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>за месяц</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>за три месяца</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>за год</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>за пять лет</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>с %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: нет сохранённых курсов.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: только %2, %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: с %2 до %3, минимум %4 (%5), максимум %6 (%7).</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Нет курсов до %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Нет курсов после %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Нет курсов с %1 по %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Изменение: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Минимум: %1 (%2)</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Максимум: %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>история курсов хранится только в памяти, %@ использовать нельзя</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>в нём таблицы другой программы</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>его схема версии %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>история курсов начата заново, старый файл сохранён как %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>не удалось сохранить курсы</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>в ответе нет истории запрошенных валют</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>не удаётся загрузить историю курсов с %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 за %2 с %3 по %4: от %5 до %6, минимум %7 (%8), максимум %9 (%10), изменение %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>показаны курсы, сохранённые на этом компьютере</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>сколько AGAINST (по умолчанию основной валюты) стоил один CODE в каждый день, затем минимум, максимум и изменение; по умолчанию последние 30 дней, не более 10 лет; даты в виде ГГГГ-ММ-ДД; --csv для электронных таблиц</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>ответ не тот, что был запрошен</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>полная история центрального банка (XML), загружаемая в историю один раз; %@ отключает это</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history нужна валюта: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history нужны две разные валюты: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days нельзя указывать вместе с --from или --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days нужно число дней: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>это не дата (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>для --to нужен --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>первый день позже последнего: с %1 по %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>больше %1 лет за раз: с %2 по %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>нет курсов %1 к %2 с %3 по %4</translation>
    </message>
</context>
</TS>
