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
        <source>cannot update the rates from %@</source>
        <translation>не удаётся обновить курсы с %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>на сервере курсов нет более новых курсов</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>ответ не тот, что был запрошен</translation>
    </message>
</context>
</TS>
